#pragma once
// The rules of the monitor dialog's pictures: names that stay inside the pictures folder
// (the rule the strip shares), and what choosing a file does, decided before anything is
// written there.
#include <string>

#include "model/FileNameRules.h"  // PictureFileName

enum class PictureChoice {
    Refuse,             // not an .ico file, or no icon could be read from it: no picture
    RefuseUnequalSize,  // an icon whose width and height differ: say so, no picture
    TakeInPlace,        // accepted, and it is the very file of that name in the pictures folder
    CopyAndTake,        // accepted: copy it into the pictures folder, then take it
};

// What choosing a file does. Only an accepted file is copied, so a refused file never
// replaces a picture of the same name that other monitors show.
PictureChoice DecidePictureChoice(bool icoExtension, bool loaded, int width, int height, bool alreadyInPictures);
