#include "windows/ProgramFonts.h"

#include "core/WordTable.h"
#include "layouts/WindowLayouts.h"
#include "platform/Fonts.h"
#include "platform/GlyphText.h"

#include <array>

namespace windows {

QString ShownGlyphCodes() {
    std::array<bool, 256> shown{};
    auto add = [&shown](std::string_view text) {
        for (const unsigned char byte : text) shown[byte] = true;
    };
    for (std::size_t i = 0; i < core::EntryCount(); ++i) {
        add(core::Headword(i));
        add(core::Meaning(i));
        add(core::Origin(i));
    }
    for (const layouts::ControlLayout& control : layouts::form2Layout().controls) add(control.glyphCode);
    QString codes;
    for (int byte = 0; byte < 256; ++byte)
        if (shown[byte]) codes += QChar(platform::GlyphChar(static_cast<unsigned char>(byte)));
    return codes;
}

QString RegisterProgramFonts() { return platform::RegisterBundledFonts(ShownGlyphCodes()); }

}  // namespace windows
