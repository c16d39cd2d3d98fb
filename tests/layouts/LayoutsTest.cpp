#include "layouts/Assets.h"
#include "layouts/WebAddresses.h"
#include "layouts/WindowLayouts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

using namespace layouts;

namespace layouts {
inline void PrintTo(const WindowRow& row, std::ostream* out) { *out << row.className; }
}  // namespace layouts

namespace {

const ControlLayout* find(const WindowLayout& window, std::string_view name) {
    for (const ControlLayout& control : window.controls)
        if (control.name == name) return &control;
    return nullptr;
}

std::vector<std::string> splitCrLf(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string_view::npos; start = end + 2)
        lines.emplace_back(text.substr(start, end - start));
    if (start != text.size()) lines.emplace_back(text.substr(start));  // a last line without CR LF
    return lines;
}

std::string collapseBlanks(std::string_view text) {
    std::istringstream words{std::string(text)};
    std::string word, out;
    while (words >> word) out += (out.empty() ? "" : " ") + word;
    return out;
}

}  // namespace

// ---------------------------------------------------------------- every window

class EveryWindow : public testing::TestWithParam<WindowRow> {};

INSTANTIATE_TEST_SUITE_P(Layouts, EveryWindow, testing::ValuesIn(kWindowRows),
                         [](const auto& info) { return std::string(info.param.className); });

TEST_P(EveryWindow, NamesItself) { EXPECT_EQ(GetParam().layout().name, GetParam().className); }

// Tools, scripts and test names find a window by either of its names.
TEST(WindowTable, NamesAreUniqueAndFindTheirRow) {
    std::set<std::string_view> names;
    for (const WindowRow& row : kWindowRows) {
        EXPECT_TRUE(names.insert(row.className).second) << row.className;
        EXPECT_TRUE(names.insert(row.shortName).second) << row.shortName;
        EXPECT_EQ(FindWindowRow(row.className), &row);
        EXPECT_EQ(FindWindowRow(row.shortName), &row);
        EXPECT_FALSE(row.title().empty()) << row.className;
        EXPECT_NE(row.picture(), Picture::None) << row.className;
    }
    EXPECT_EQ(FindWindowRow("Form6"), nullptr);
}

TEST_P(EveryWindow, HasOneHiddenRoundedBorderShapeLast) {
    const WindowLayout& window = GetParam().layout();
    const auto count = std::count_if(window.controls.begin(), window.controls.end(),
                                     [](const ControlLayout& c) { return c.name == "shpborder"; });
    ASSERT_EQ(count, 1);
    const ControlLayout& border = window.controls.back();
    EXPECT_EQ(border.name, "shpborder");
    EXPECT_EQ(border.kind, ControlKind::Shape);
    EXPECT_EQ(border.shape, 4);
    EXPECT_FALSE(border.visible);
    // The exit window's set runs from 1 to 1; every other set from 0 to 0.
    EXPECT_EQ(border.index, window.name == "Form9" ? 1 : 0);
}

TEST_P(EveryWindow, OnlyTheBorderShapeIsAnArrayMember) {
    for (const ControlLayout& control : GetParam().layout().controls) {
        if (control.name != "shpborder") {
            EXPECT_EQ(control.index, -1) << control.name;
        }
    }
}

TEST_P(EveryWindow, ControlNamesAreUnique) {
    std::set<std::string_view> names;
    for (const ControlLayout& control : GetParam().layout().controls)
        EXPECT_TRUE(names.insert(control.name).second) << "twice: " << control.name;
}

TEST_P(EveryWindow, BackgroundPictureIsSmallerThanTheWindow) {
    const WindowLayout& window = GetParam().layout();
    const PictureAsset background = pictureAsset(window.background);
    ASSERT_FALSE(background.resource.empty());
    EXPECT_LT(background.width * 15, window.clientWidth);
    EXPECT_LT(background.height * 15, window.clientHeight);
}

TEST_P(EveryWindow, EveryImageBoxIsItsPictureAtFifteenTwipsPerPixel) {
    for (const ControlLayout& control : GetParam().layout().controls) {
        if (control.kind != ControlKind::Image) continue;
        const PictureAsset picture = pictureAsset(control.picture);
        ASSERT_GT(picture.width, 0) << control.name << " has no picture";
        EXPECT_EQ(control.width, picture.width * 15) << control.name;
        EXPECT_EQ(control.height, picture.height * 15) << control.name;
        EXPECT_FALSE(pictureResource(control).empty()) << control.name;
    }
}

TEST_P(EveryWindow, ControlsLieInsideTheClientArea) {
    const WindowLayout& window = GetParam().layout();
    for (const ControlLayout& control : window.controls) {
        if (control.name == "shpborder" || control.kind == ControlKind::Timer) continue;
        EXPECT_GE(control.left, 0) << control.name;
        EXPECT_GE(control.top, 0) << control.name;
        EXPECT_LE(control.left + control.width, window.clientWidth) << control.name;
        EXPECT_LE(control.top + control.height, window.clientHeight) << control.name;
    }
}

TEST_P(EveryWindow, OnlyBoxesTakeTheFocusEachAtItsOwnPosition) {
    std::set<int> positions;
    for (const ControlLayout& control : GetParam().layout().controls) {
        const bool focusable =
            control.kind == ControlKind::TextBox || control.kind == ControlKind::ListBox;
        if (!focusable) {
            EXPECT_EQ(control.tabIndex, -1) << control.name;
            continue;
        }
        EXPECT_GE(control.tabIndex, 0) << control.name;
        EXPECT_TRUE(positions.insert(control.tabIndex).second) << control.name;
    }
}

TEST(WindowFields, OnlySplashAndExitGoWithoutTaskbarButtonOnlyMagnifierWithoutIcon) {
    for (const WindowRow& w : kWindowRows) {
        const WindowLayout& window = w.layout();
        const bool small = window.name == "Form7" || window.name == "Form9";
        EXPECT_EQ(window.showInTaskbar, !small) << w.className;
        EXPECT_EQ(window.icon == Picture::None, window.name == "Form10") << w.className;
    }
}

// ---------------------------------------------------------------- keyboard

TEST(KeyboardLayout, HasFiftyLetterKeysAClearKeyAndACloseKey) {
    const WindowLayout& keyboard = form2Layout();
    for (int n = 1; n <= 52; ++n) {
        const std::string name = "Image" + std::to_string(n);
        const ControlLayout* key = find(keyboard, name);
        ASSERT_NE(key, nullptr) << name;
        EXPECT_EQ(key->kind, ControlKind::Image);
        EXPECT_EQ(key->width, 600);
        EXPECT_EQ(key->height, 600);
        if (n <= 50) {
            EXPECT_EQ(key->picture, Picture::KeyFace) << name;
            EXPECT_FALSE(key->glyphCode.empty()) << name;
            EXPECT_TRUE(key->toolTip.empty()) << name;
        }
    }
    EXPECT_EQ(find(keyboard, "Image51")->picture, Picture::ClearKey);
    EXPECT_EQ(find(keyboard, "Image51")->toolTip, "Delate ");
    EXPECT_EQ(find(keyboard, "Image52")->picture, Picture::CloseButton);
    EXPECT_EQ(find(keyboard, "Image52")->toolTip, "Close");
}

TEST(KeyboardLayout, GlyphCodesAreDistinct) {
    std::set<std::string_view> codes;
    for (const ControlLayout& control : form2Layout().controls) {
        if (control.picture == Picture::KeyFace) {
            EXPECT_TRUE(codes.insert(control.glyphCode).second) << control.name;
        }
    }
    EXPECT_EQ(codes.size(), 50u);
}

struct KeyCode {
    const char* key;
    std::string_view code;
};

class KeyGlyphCodes : public testing::TestWithParam<KeyCode> {};

INSTANTIATE_TEST_SUITE_P(
    KeyboardLayout, KeyGlyphCodes,
    testing::Values(KeyCode{"Image1", "A"}, KeyCode{"Image2", "Av"}, KeyCode{"Image18", "`"},
                    KeyCode{"Image30", "q"}, KeyCode{"Image31", "L"}, KeyCode{"Image32", "l"},
                    KeyCode{"Image34", "M"}, KeyCode{"Image33", "m"}, KeyCode{"Image37", "_ "},
                    KeyCode{"Image38", "a"}, KeyCode{"Image50", "u"}),
    [](const auto& info) { return std::string(info.param.key); });

// Lower and upper case are different letters, and two keys type two bytes.
TEST_P(KeyGlyphCodes, KeyTypesItsCode) {
    const ControlLayout* key = find(form2Layout(), GetParam().key);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->glyphCode, GetParam().code);
}

TEST(KeyboardLayout, KeysDoNotOverlapAndLieInsideTheOutline) {
    const WindowLayout& keyboard = form2Layout();
    const ControlLayout& outline = keyboard.controls.back();
    std::vector<const ControlLayout*> keys;
    for (const ControlLayout& control : keyboard.controls)
        if (control.kind == ControlKind::Image) keys.push_back(&control);
    ASSERT_EQ(keys.size(), 52u);
    for (const ControlLayout* key : keys) {
        EXPECT_GE(key->left, outline.left) << key->name;
        EXPECT_GE(key->top, outline.top) << key->name;
        EXPECT_LE(key->left + key->width, outline.left + outline.width) << key->name;
        EXPECT_LE(key->top + key->height, outline.top + outline.height) << key->name;
    }
    for (std::size_t i = 0; i < keys.size(); ++i) {
        for (std::size_t j = i + 1; j < keys.size(); ++j) {
            const ControlLayout& a = *keys[i];
            const ControlLayout& b = *keys[j];
            const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                               a.top + a.height <= b.top || b.top + b.height <= a.top;
            EXPECT_TRUE(apart) << a.name << " overlaps " << b.name;
        }
    }
}

// ---------------------------------------------------------------- small windows

TEST(SplashLayout, TimerFiresAfterFourSeconds) {
    const ControlLayout* timer = find(form7Layout(), "Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->kind, ControlKind::Timer);
    EXPECT_EQ(timer->intervalMs, 4000);
}

TEST(ExitLayout, ButtonsStandApartOnOneLine) {
    const ControlLayout* yes = find(form9Layout(), "Image1");
    const ControlLayout* no = find(form9Layout(), "Image2");
    ASSERT_TRUE(yes && no);
    EXPECT_EQ(yes->picture, Picture::YesButton);
    EXPECT_EQ(no->picture, Picture::NoButton);
    EXPECT_EQ(yes->top, no->top);
    EXPECT_LT(yes->left + yes->width, no->left);
}

// ---------------------------------------------------------------- terms text

class TermsText : public testing::Test {
protected:
    void SetUp() override {
        const ControlLayout* box = find(form5Layout(), "Text1");
        ASSERT_NE(box, nullptr);
        text = box->text;
        lines = splitCrLf(text);
    }
    std::string_view text;
    std::vector<std::string> lines;
};

TEST_F(TermsText, HasThirtySevenLinesEachEndingInCrLf) {
    EXPECT_EQ(text.size(), 1450u);
    ASSERT_EQ(lines.size(), 37u);
    EXPECT_TRUE(text.ends_with("\r\n"));
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "stray line break in: " << line;
    }
}

TEST_F(TermsText, LicenceLinesAreEightToFortyThreeCharacters) {
    ASSERT_EQ(lines.size(), 37u);
    for (std::size_t i = 0; i < 33; ++i) {
        EXPECT_GE(lines[i].size(), 8u) << "line " << i + 1;
        EXPECT_LE(lines[i].size(), 43u) << "line " << i + 1;
    }
}

TEST_F(TermsText, LinesEndInOneBlankExceptBlockEnds) {
    ASSERT_EQ(lines.size(), 37u);
    for (std::size_t n = 1; n <= 37; ++n) {
        const std::string& line = lines[n - 1];
        const std::size_t blanks = line.size() - line.find_last_not_of(' ') - 1;
        const std::size_t expected = (n == 1 || n == 17 || n == 33 || n == 37) ? 0 : n == 16 ? 2 : 1;
        EXPECT_EQ(blanks, expected) << "line " << n << ": \"" << line << "\"";
    }
}

struct FixedLine {
    int number;
    std::string_view text;
};

class TermsFixedLines : public TermsText, public testing::WithParamInterface<FixedLine> {};

INSTANTIATE_TEST_SUITE_P(
    Layouts, TermsFixedLines,
    testing::Values(FixedLine{1, "Disclaimer of Warranty."},
                    FixedLine{2, "THERE IS NO WARRANTY FOR THE PROGRAM, TO "},
                    FixedLine{10, "MECHANTABILITY AND FITNESS FOR A "},
                    FixedLine{16, "CORRECTION.  "},
                    FixedLine{17, "Limitation of Liability."},
                    FixedLine{18, "IN NO EVENT UNLESS REQUIRED BY APPLICABLE "},
                    FixedLine{22, "AS PERMITTED ABOVE , BE LIABLE TO YOU FOR "},
                    FixedLine{33, "DAMAGES."},
                    FixedLine{34, "This program is distributed in the hope that it will be "},
                    FixedLine{35, "useful, but without ANY  WARRANTY; without even the "}),
    [](const auto& info) { return "Line" + std::to_string(info.param.number); });

TEST_P(TermsFixedLines, ReadsAsStored) {
    ASSERT_EQ(lines.size(), 37u);
    EXPECT_EQ(lines[GetParam().number - 1], GetParam().text);
}

TEST_F(TermsText, EndsWithTheFitnessClause) {
    ASSERT_EQ(lines.size(), 37u);
    EXPECT_TRUE(lines[36].ends_with("FOR A PARTICULAR PURPOSE."));
    EXPECT_EQ(collapseBlanks(lines[35] + lines[36]),
              "implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE.");
}

// The two blocks follow the licence's sections 15 and 16 word for word, apart
// from the two departures the stored text has.
TEST_F(TermsText, BlocksFollowTheLicenceWordForWord) {
    std::ifstream file(DICT_GPL3_FILE);
    ASSERT_TRUE(file) << DICT_GPL3_FILE;
    std::stringstream content;
    content << file.rdbuf();
    const std::string licence = content.str();
    auto section = [&](std::string_view heading, std::string_view next) {
        const std::size_t from = licence.find(heading);
        const std::size_t to = licence.find(next, from);
        if (from == std::string::npos || to == std::string::npos) return std::string();
        return collapseBlanks(std::string_view(licence).substr(from + heading.size(), to - from - heading.size()));
    };
    std::string disclaimer = section("15. Disclaimer of Warranty.", "16. Limitation of Liability.");
    std::string limitation = section("16. Limitation of Liability.", "17. Interpretation");
    ASSERT_FALSE(disclaimer.empty());
    ASSERT_FALSE(limitation.empty());
    disclaimer.replace(disclaimer.find("MERCHANTABILITY"), 15, "MECHANTABILITY");
    limitation.replace(limitation.find("ABOVE,"), 6, "ABOVE ,");

    ASSERT_EQ(lines.size(), 37u);
    std::string stored15, stored16;
    for (int n = 2; n <= 16; ++n) stored15 += lines[n - 1] + " ";
    for (int n = 18; n <= 33; ++n) stored16 += lines[n - 1] + " ";
    EXPECT_EQ(collapseBlanks(stored15), disclaimer);
    EXPECT_EQ(collapseBlanks(stored16), limitation);
}

// ---------------------------------------------------------------- catalogue

TEST(PictureCatalogue, CoversEveryPictureButNoneWithUniquePngResources) {
    const auto catalogue = pictureCatalogue();
    ASSERT_EQ(catalogue.size(), static_cast<std::size_t>(Picture::KeyFace));
    std::set<std::string_view> resources;
    for (const PictureAsset& asset : catalogue) {
        EXPECT_NE(asset.picture, Picture::None);
        EXPECT_GT(asset.width, 0);
        EXPECT_GT(asset.height, 0);
        if (asset.picture == Picture::KeyFace) {
            EXPECT_TRUE(asset.resource.empty());
            continue;
        }
        EXPECT_TRUE(asset.resource.starts_with(kAssetResourcePrefix)) << asset.resource;
        EXPECT_TRUE(asset.resource.ends_with(".png")) << asset.resource;
        EXPECT_TRUE(resources.insert(asset.resource).second) << asset.resource;
        EXPECT_EQ(pictureAsset(asset.picture).resource, asset.resource);
    }
}

TEST(PictureCatalogue, IconsAreSixtyFourSquare) {
    for (Picture icon : {Picture::ProductIcon, Picture::KeyboardIcon, Picture::WhoWeAreIcon,
                         Picture::HelpIcon, Picture::TermsIcon}) {
        EXPECT_EQ(pictureAsset(icon).width, 64);
        EXPECT_EQ(pictureAsset(icon).height, 64);
    }
}

TEST(PictureCatalogue, NoneAndValuesOutsideTheEnumerationHaveNoPicture) {
    for (int value : {0, -1, static_cast<int>(Picture::KeyFace) + 1, 1000}) {
        const PictureAsset asset = pictureAsset(static_cast<Picture>(value));
        EXPECT_TRUE(asset.resource.empty()) << value;
        EXPECT_EQ(asset.width, 0) << value;
        EXPECT_EQ(asset.height, 0) << value;
    }
}

struct FaceName {
    std::string_view code;
    std::string_view resource;
};

class KeyFaceNames : public testing::TestWithParam<FaceName> {};

INSTANTIATE_TEST_SUITE_P(PictureCatalogue, KeyFaceNames,
                         testing::Values(FaceName{"Av", ":/assets/key-41-76.png"},
                                         FaceName{"A", ":/assets/key-41.png"},
                                         FaceName{"a", ":/assets/key-61.png"},
                                         FaceName{"_ ", ":/assets/key-5f-20.png"},
                                         FaceName{"`", ":/assets/key-60.png"},
                                         FaceName{"\xAD\x81\xFF", ":/assets/key-ad-81-ff.png"},
                                         FaceName{std::string_view("\0", 1), ":/assets/key-00.png"},
                                         FaceName{"", ""}),
                         [](const auto& info) { return "Code" + std::to_string(info.index); });

TEST_P(KeyFaceNames, NamedAfterTheCodeBytes) {
    EXPECT_EQ(keyFaceResource(GetParam().code), GetParam().resource);
}

TEST(PictureCatalogue, ControlResourceOfAKeyIsItsOwnFace) {
    const ControlLayout* key = find(form2Layout(), "Image2");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(pictureResource(*key), ":/assets/key-41-76.png");
    const ControlLayout* label = find(form1Layout(), "Label1");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(pictureResource(*label), "");
}

// ---------------------------------------------------------------- web addresses

TEST(WebAddresses, LinksLieOnTheMakersSite) {
    EXPECT_TRUE(kProductUpdateAddress.ends_with("/PebblesproductUpdate"));
    EXPECT_TRUE(kOnlineTermsAddress.ends_with("/terms"));
    for (std::string_view address : {kProductUpdateAddress, kOnlineTermsAddress}) {
        EXPECT_TRUE(address.starts_with("https://www.quillmoor.example/")) << address;
    }
}
