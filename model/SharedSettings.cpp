#include "model/SharedSettings.h"

CSharedSettings& CSharedSettings::Get() {
    // Deliberately never freed: threads may still read it while the process ends.
    static CSharedSettings* instance = new CSharedSettings();
    return *instance;
}
