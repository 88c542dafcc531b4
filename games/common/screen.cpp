#include "common/screen.h"

namespace numora {

std::string pictureFile(Picture p)
{
    switch (p.kind) {
    case Picture::Kind::Digit: return "pno" + std::to_string(p.digit) + ".bmp";
    case Picture::Kind::Placeholder: return "pnoGus.bmp";
    case Picture::Kind::Empty: break;
    }
    return {};
}

}  // namespace numora
