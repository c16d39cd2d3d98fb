#include "core/GlyphToUnicode.h"

#include "core/GlyphChars.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace core {
namespace {

using namespace std::string_view_literals;

// What a glyph code is in the visual order of glyph-code text.
enum class Role : unsigned char {
    Other,     // stands alone: blank, punctuation, digit, Latin, control
    Vowel,     // independent vowel letter
    Base,      // consonant letter
    Conjunct,  // a whole cluster in one code
    HalfForm,  // first consonant of a cluster, with its virama
    Phala,     // second form of a consonant after another, virama first
    PreBase,   // vowel sign drawn before its cluster
    Sign,      // vowel sign or mark drawn where it is read
    Reph,      // ra + virama, drawn after the cluster it precedes
    Hasanta,   // explicit virama: shown, so no conjunct forms (virama + ZWNJ)
};

struct Code {
    Role role;
    std::u32string_view reading;
};

// The reading of every byte. An empty reading: the byte has no Bengali one
// and reads as its own character (kGlyphChars: Windows-1252, the five
// undefined bytes as their own value).
constexpr std::array<Code, 256> kCodes{{
    {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}},  // 0x00
    {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}},  // 0x04
    {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}},  // 0x08
    {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}},  // 0x0C
    {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}},  // 0x10
    {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}},  // 0x14
    {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}},  // 0x18
    {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}},  // 0x1C
    {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}},  // 0x20
    {Role::Other, U"\u09F3"sv}, {Role::Other, {}}, {Role::Hasanta, U"\u09CD\u200C"sv}, {Role::Other, {}},  // 0x24
    {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}},  // 0x28
    {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}},  // 0x2C
    {Role::Other, U"\u09E6"sv}, {Role::Other, U"\u09E7"sv}, {Role::Other, U"\u09E8"sv}, {Role::Other, U"\u09E9"sv},  // 0x30
    {Role::Other, U"\u09EA"sv}, {Role::Other, U"\u09EB"sv}, {Role::Other, U"\u09EC"sv}, {Role::Other, U"\u09ED"sv},  // 0x34
    {Role::Other, U"\u09EE"sv}, {Role::Other, U"\u09EF"sv}, {Role::Other, {}}, {Role::Other, {}},  // 0x38
    {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}},  // 0x3C
    {Role::Other, {}}, {Role::Vowel, U"\u0985"sv}, {Role::Vowel, U"\u0987"sv}, {Role::Vowel, U"\u0988"sv},  // 0x40
    {Role::Vowel, U"\u0989"sv}, {Role::Vowel, U"\u098A"sv}, {Role::Vowel, U"\u098B"sv}, {Role::Vowel, U"\u098F"sv},  // 0x44
    {Role::Vowel, U"\u0990"sv}, {Role::Vowel, U"\u0993"sv}, {Role::Vowel, U"\u0994"sv}, {Role::Base, U"\u0995"sv},  // 0x48
    {Role::Base, U"\u0996"sv}, {Role::Base, U"\u0997"sv}, {Role::Base, U"\u0998"sv}, {Role::Base, U"\u0999"sv},  // 0x4C
    {Role::Base, U"\u099A"sv}, {Role::Base, U"\u099B"sv}, {Role::Base, U"\u099C"sv}, {Role::Base, U"\u099D"sv},  // 0x50
    {Role::Base, U"\u099E"sv}, {Role::Base, U"\u099F"sv}, {Role::Base, U"\u09A0"sv}, {Role::Base, U"\u09A1"sv},  // 0x54
    {Role::Base, U"\u09A2"sv}, {Role::Base, U"\u09A3"sv}, {Role::Base, U"\u09A4"sv}, {Role::Other, {}},  // 0x58
    {Role::Other, U"\u0965"sv}, {Role::Other, {}}, {Role::Phala, U"\u09CD\u09AC"sv}, {Role::Base, U"\u09A5"sv},  // 0x5C
    {Role::Base, U"\u09A6"sv}, {Role::Base, U"\u09A7"sv}, {Role::Base, U"\u09A8"sv}, {Role::Base, U"\u09AA"sv},  // 0x60
    {Role::Base, U"\u09AB"sv}, {Role::Base, U"\u09AC"sv}, {Role::Base, U"\u09AD"sv}, {Role::Base, U"\u09AE"sv},  // 0x64
    {Role::Base, U"\u09AF"sv}, {Role::Base, U"\u09B0"sv}, {Role::Base, U"\u09B2"sv}, {Role::Base, U"\u09B6"sv},  // 0x68
    {Role::Base, U"\u09B7"sv}, {Role::Base, U"\u09B8"sv}, {Role::Base, U"\u09B9"sv}, {Role::Base, U"\u09DC"sv},  // 0x6C
    {Role::Base, U"\u09DD"sv}, {Role::Base, U"\u09DF"sv}, {Role::Base, U"\u09CE"sv}, {Role::Sign, U"\u0982"sv},  // 0x70
    {Role::Sign, U"\u0983"sv}, {Role::Sign, U"\u0981"sv}, {Role::Sign, U"\u09BE"sv}, {Role::PreBase, U"\u09BF"sv},  // 0x74
    {Role::Sign, U"\u09C0"sv}, {Role::Sign, U"\u09C1"sv}, {Role::Sign, U"\u09C1"sv}, {Role::Other, {}},  // 0x78
    {Role::Other, U"\u0964"sv}, {Role::Other, {}}, {Role::Sign, U"\u09C2"sv}, {Role::Other, {}},  // 0x7C
    {Role::Other, {}}, {Role::Other, {}}, {Role::Sign, U"\u09C2"sv}, {Role::Sign, U"\u09C2"sv},  // 0x80
    {Role::Sign, U"\u09C3"sv}, {Role::Sign, U"\u09C3"sv}, {Role::PreBase, U"\u09C7"sv}, {Role::PreBase, U"\u09C7"sv},  // 0x84
    {Role::PreBase, U"\u09C8"sv}, {Role::PreBase, U"\u09C8"sv}, {Role::Sign, U"\u09D7"sv}, {Role::Phala, U"\u09CD\u0995"sv},  // 0x88
    {Role::Phala, U"\u09CD\u0995\u09CD\u09B0"sv}, {Role::Other, {}}, {Role::Other, {}}, {Role::Other, {}},  // 0x8C
    {Role::Other, {}}, {Role::Phala, U"\u09CD\u09A4\u09C1"sv}, {Role::Phala, U"\u09CD\u09A5"sv}, {Role::Sign, U"\u09C1"sv},  // 0x90
    {Role::HalfForm, U"\u099A\u09CD"sv}, {Role::HalfForm, U"\u0999\u09CD"sv}, {Role::Sign, U"\u09C1"sv}, {Role::Phala, U"\u09CD\u09A4"sv},  // 0x94
    {Role::HalfForm, U"\u09A6\u09CD"sv}, {Role::HalfForm, U"\u09A6\u09CD"sv}, {Role::HalfForm, U"\u09A8\u09CD"sv}, {Role::HalfForm, U"\u09A8\u09CD"sv},  // 0x98
    {Role::Phala, U"\u09CD\u09A8"sv}, {Role::Other, {}}, {Role::Other, {}}, {Role::Phala, U"\u09CD\u09AC"sv},  // 0x9C
    {Role::Other, {}}, {Role::Phala, U"\u09CD\u09AC"sv}, {Role::Phala, U"\u09CD\u09AD"sv}, {Role::Phala, U"\u09CD\u09AD\u09CD\u09B0"sv},  // 0xA0
    {Role::HalfForm, U"\u09AE\u09CD"sv}, {Role::Phala, U"\u09CD\u09AE"sv}, {Role::Phala, U"\u09CD\u09AC"sv}, {Role::Phala, U"\u09CD\u09AE"sv},  // 0xA4
    {Role::Phala, U"\u09CD\u09AF"sv}, {Role::Reph, U"\u09B0\u09CD"sv}, {Role::Phala, U"\u09CD\u09B0"sv}, {Role::Phala, U"\u09CD\u09B0"sv},  // 0xA8
    {Role::Phala, U"\u09CD\u09B2"sv}, {Role::Phala, U"\u09CD\u09B2"sv}, {Role::HalfForm, U"\u09B7\u09CD"sv}, {Role::HalfForm, U"\u09B8\u09CD"sv},  // 0xAC
    {Role::Conjunct, U"\u0995\u09CD\u0995"sv}, {Role::Conjunct, U"\u0995\u09CD\u099F"sv}, {Role::Conjunct, U"\u0995\u09CD\u09B7\u09CD\u09AE"sv}, {Role::Conjunct, U"\u0995\u09CD\u09A4"sv},  // 0xB0
    {Role::Conjunct, U"\u0995\u09CD\u09AE"sv}, {Role::Conjunct, U"\u0995\u09CD\u09B0"sv}, {Role::Conjunct, U"\u0995\u09CD\u09B7"sv}, {Role::Conjunct, U"\u0995\u09CD\u09B8"sv},  // 0xB4
    {Role::Conjunct, U"\u0997\u09C1"sv}, {Role::Conjunct, U"\u0997\u09CD\u0997"sv}, {Role::Conjunct, U"\u0997\u09CD\u09A6"sv}, {Role::Conjunct, U"\u0997\u09CD\u09A7"sv},  // 0xB8
    {Role::Conjunct, U"\u0999\u09CD\u0995"sv}, {Role::Conjunct, U"\u0999\u09CD\u0997"sv}, {Role::Conjunct, U"\u099C\u09CD\u099C"sv}, {Role::Phala, U"\u09CD\u09A4\u09CD\u09B0"sv},  // 0xBC
    {Role::Conjunct, U"\u099C\u09CD\u099D"sv}, {Role::Conjunct, U"\u099C\u09CD\u099E"sv}, {Role::Conjunct, U"\u099E\u09CD\u099A"sv}, {Role::Conjunct, U"\u099E\u09CD\u099B"sv},  // 0xC0
    {Role::Conjunct, U"\u099E\u09CD\u099C"sv}, {Role::Conjunct, U"\u099E\u09CD\u099D"sv}, {Role::Conjunct, U"\u099F\u09CD\u099F"sv}, {Role::Conjunct, U"\u09A1\u09CD\u09A1"sv},  // 0xC4
    {Role::Conjunct, U"\u09A3\u09CD\u099F"sv}, {Role::Conjunct, U"\u09A3\u09CD\u09A0"sv}, {Role::Conjunct, U"\u09A3\u09CD\u09A1"sv}, {Role::Conjunct, U"\u09A4\u09CD\u09A4"sv},  // 0xC8
    {Role::Conjunct, U"\u09A4\u09CD\u09A5"sv}, {Role::Phala, U"\u09CD\u09A4"sv}, {Role::Conjunct, U"\u09A4\u09CD\u09B0"sv}, {Role::Conjunct, U"\u09A6\u09CD\u09A6"sv},  // 0xCC
    {Role::Other, U"\u2013"sv}, {Role::Other, U"\u2014"sv}, {Role::Other, U"\u201C"sv}, {Role::Other, U"\u201D"sv},  // 0xD0
    {Role::Other, U"\u2018"sv}, {Role::Other, U"\u2019"sv}, {Role::Phala, U"\u09CD\u09B0"sv}, {Role::Conjunct, U"\u09A6\u09CD\u09A7"sv},  // 0xD4
    {Role::Conjunct, U"\u09A6\u09CD\u09AC"sv}, {Role::Conjunct, U"\u09A6\u09CD\u09AE"sv}, {Role::Conjunct, U"\u09A8\u09CD\u09A0"sv}, {Role::Conjunct, U"\u09A8\u09CD\u09A1"sv},  // 0xD8
    {Role::Conjunct, U"\u09A8\u09CD\u09A7"sv}, {Role::Conjunct, U"\u09A8\u09CD\u09B8"sv}, {Role::Conjunct, U"\u09AA\u09CD\u099F"sv}, {Role::Conjunct, U"\u09AA\u09CD\u09A4"sv},  // 0xDC
    {Role::Conjunct, U"\u09AA\u09CD\u09AA"sv}, {Role::Conjunct, U"\u09AA\u09CD\u09B8"sv}, {Role::Conjunct, U"\u09AC\u09CD\u099C"sv}, {Role::Conjunct, U"\u09AC\u09CD\u09A6"sv},  // 0xE0
    {Role::Conjunct, U"\u09AC\u09CD\u09A7"sv}, {Role::Conjunct, U"\u09AD\u09CD\u09B0"sv}, {Role::Sign, U"\u09C1"sv}, {Role::Conjunct, U"\u09AE\u09CD\u09AB"sv},  // 0xE4
    {Role::Phala, U"\u09CD\u09A3"sv}, {Role::Conjunct, U"\u09B2\u09CD\u0995"sv}, {Role::Conjunct, U"\u09B2\u09CD\u0997"sv}, {Role::Conjunct, U"\u09B2\u09CD\u099F"sv},  // 0xE8
    {Role::Conjunct, U"\u09B2\u09CD\u09A1"sv}, {Role::Conjunct, U"\u09B2\u09CD\u09AA"sv}, {Role::Conjunct, U"\u09B2\u09CD\u09AB"sv}, {Role::Conjunct, U"\u09B6\u09C1"sv},  // 0xEC
    {Role::Conjunct, U"\u09B6\u09CD\u099A"sv}, {Role::Conjunct, U"\u09B6\u09CD\u099B"sv}, {Role::Conjunct, U"\u09B7\u09CD\u09A3"sv}, {Role::Conjunct, U"\u09B7\u09CD\u099F"sv},  // 0xF0
    {Role::Conjunct, U"\u09B7\u09CD\u09A0"sv}, {Role::Conjunct, U"\u09B7\u09CD\u09AB"sv}, {Role::Conjunct, U"\u09B8\u09CD\u0996"sv}, {Role::Conjunct, U"\u09B8\u09CD\u099F"sv},  // 0xF4
    {Role::Phala, U"\u09CD\u09B2"sv}, {Role::Conjunct, U"\u09B8\u09CD\u09AB"sv}, {Role::Phala, U"\u09CD\u09AA"sv}, {Role::Conjunct, U"\u09B9\u09C1"sv},  // 0xF8
    {Role::Conjunct, U"\u09B9\u09C3"sv}, {Role::Conjunct, U"\u09B9\u09CD\u09A8"sv}, {Role::Conjunct, U"\u09B9\u09CD\u09AE"sv}, {Role::Conjunct, U"\u0995\u09CD\u09B7"sv},  // 0xFC
}};

constexpr char32_t kVirama = U'\u09CD';
constexpr char32_t kRa = U'\u09B0';
constexpr char32_t kZwj = U'\u200D';
constexpr char32_t kSignAa = U'\u09BE';
constexpr char32_t kSignE = U'\u09C7';
constexpr char32_t kAuLength = U'\u09D7';
constexpr unsigned char kByteA = 0x41;
constexpr unsigned char kByteSignAa = 0x76;
constexpr std::u32string_view kYaPhala = U"\u09CD\u09AF"sv;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {  // every reading lies in the Basic Multilingual Plane
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Builds the logical-order text in code points, then encodes it once.
class Converter {
public:
    explicit Converter(std::string_view codes) : codes_(codes) { text_.reserve(codes.size() * 2); }

    std::u32string Run() {
        while (at_ < codes_.size()) Step();
        return std::move(text_);
    }

private:
    Role RoleAt(std::size_t i) const {
        return i < codes_.size() ? kCodes[static_cast<unsigned char>(codes_[i])].role : Role::Other;
    }
    std::u32string_view ReadingAt(std::size_t i) const {
        const auto byte = static_cast<unsigned char>(codes_[i]);
        const std::u32string_view reading = kCodes[byte].reading;
        return reading.empty() ? std::u32string_view(&kGlyphChars[byte], 1) : reading;
    }

    static bool StartsCluster(Role role) {
        return role == Role::Base || role == Role::Conjunct || role == Role::HalfForm || role == Role::Phala;
    }

    void Step() {
        const Role role = RoleAt(at_);
        if (role == Role::PreBase) {
            PreBaseSigns();
        } else if (StartsCluster(role)) {
            Cluster();
        } else if (role == Role::Reph) {
            Reph();
            ++at_;
        } else if (role == Role::Vowel) {
            Vowel();
        } else if (role == Role::Sign || role == Role::Hasanta) {
            text_ += ReadingAt(at_++);  // belongs to the syllable before it
        } else {
            text_ += ReadingAt(at_++);
            syllable_ = kNone;
        }
    }

    // Half forms, then one consonant or conjunct, then its second forms.
    void Cluster() {
        syllable_ = text_.size();
        while (RoleAt(at_) == Role::HalfForm) AppendJoined(ReadingAt(at_++));
        const Role role = RoleAt(at_);
        if (role == Role::Base || role == Role::Conjunct) AppendJoined(ReadingAt(at_++));
        while (true) {
            // A hasanta before a second form is that form's own virama.
            if (RoleAt(at_) == Role::Hasanta && RoleAt(at_ + 1) == Role::Phala) ++at_;
            if (RoleAt(at_) != Role::Phala) break;
            AppendJoined(ReadingAt(at_++));
        }
    }

    // A half form's virama and a second form's virama are one virama; ya
    // after ra is written with a joiner so that it does not read as a reph.
    void AppendJoined(std::u32string_view piece) {
        if (!piece.empty() && piece.front() == kVirama && !text_.empty() && text_.back() == kVirama)
            piece.remove_prefix(1);
        if (piece == kYaPhala && !text_.empty() && text_.back() == kRa) text_.push_back(kZwj);
        text_ += piece;
    }

    // Signs drawn before a cluster are read after it; e + aa and e + au
    // length mark are the two-part vowels o and au.
    void PreBaseSigns() {
        const std::size_t first = at_;
        while (RoleAt(at_) == Role::PreBase) ++at_;
        const std::size_t last = at_;
        if (StartsCluster(RoleAt(at_))) Cluster();
        for (std::size_t i = first; i < last; ++i) text_ += ReadingAt(i);
        if (last > first && at_ > last && text_.back() == kSignE) {
            const std::u32string_view next = at_ < codes_.size() ? ReadingAt(at_) : std::u32string_view{};
            if (next.size() == 1 && (next.front() == kSignAa || next.front() == kAuLength)) {
                text_.back() = next.front() == kSignAa ? U'\u09CB' : U'\u09CC';
                ++at_;
            }
        }
    }

    // Drawn after its syllable, read before it. A syllable takes one reph:
    // a second one stays where it is (and no run of them costs more than
    // one move of the syllable).
    void Reph() {
        const std::u32string_view reph = ReadingAt(at_);
        if (syllable_ == kNone) {
            text_ += reph;
        } else {
            text_.insert(syllable_, reph);
            syllable_ = kNone;
        }
    }

    // Vowel a followed by the aa sign is the letter aa.
    void Vowel() {
        if (static_cast<unsigned char>(codes_[at_]) == kByteA && at_ + 1 < codes_.size() &&
            static_cast<unsigned char>(codes_[at_ + 1]) == kByteSignAa) {
            text_.push_back(U'\u0986');
            at_ += 2;
        } else {
            text_ += ReadingAt(at_++);
        }
        syllable_ = kNone;
    }

    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::string_view codes_;
    std::size_t at_ = 0;
    std::size_t syllable_ = kNone;  // where the last consonant cluster begins
    std::u32string text_;
};

}  // namespace

std::string GlyphCodesToUnicode(std::string_view codes) {
    const std::u32string text = Converter(codes).Run();
    std::string out;
    out.reserve(text.size() * 3);
    for (const char32_t c : text) AppendUtf8(out, c);
    return out;
}

}  // namespace core
