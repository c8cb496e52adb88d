#include "dialogs/PictureRules.h"

PictureChoice DecidePictureChoice(bool icoExtension, bool loaded, int width, int height, bool alreadyInPictures) {
    if (!icoExtension || !loaded) return PictureChoice::Refuse;
    if (width != height) return PictureChoice::RefuseUnequalSize;
    return alreadyInPictures ? PictureChoice::TakeInPlace : PictureChoice::CopyAndTake;
}
