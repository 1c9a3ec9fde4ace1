#include "core/render/testcontrols.h"

namespace vorlane {

void TestControls::reset()
{
    labelCaption.clear();
    labelien.visible = false;
    icovideo.visible = false;
    for (auto *elements : {&option1, &check1}) {
        for (TestControl &c : *elements) {
            c.visible = false;
            c.value = false;
            c.enabled = true;
        }
    }
    image1.visible = false;
    text1.visible = false;
    text1.enabled = true;
    text1Text.clear();
}

} // namespace vorlane
