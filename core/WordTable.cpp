#include "core/WordTable.h"

#include <array>
#include <stdexcept>

namespace core {
namespace {

// Bytes are written as escapes so that the table never depends on the source
// file's encoding. Trailing blanks belong to the strings; the two origins
// "Phv\xA9c` ..." and "Ph\xA9vc` ..." differ on purpose.
constexpr std::array<Entry, kEntryCount> kTable{{
    {"AwK\x87j\x87mu", "A\x87K\xAC\x87k: webv cwik\xD6\x87g", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 0
    {"A\x94Qnyu", "AvwQ", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 1
    {"A\x94Q\xFB", "AvwQ", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 2
    {"A`f\x82" "A", "A\x99\xA2zZ", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 3
    {"AvB\x87jwm", "G\x87mwQ", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 4
    {"AeYvMeb", "Avbv\x87Mvbv", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 5
    {"DBG", "Dw`Z nq", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 6
    {"DGm", "Dc\x87`k", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 7
    {"Ki\xE6Yv bvex", "Ki\xE6" "bv \x86" "b\x8AKv", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 8
    {"Kj-Gj-mv\x87`", "KjKj k\xE3", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 9
    {"\x87KWzAvj", "`vuo", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 10
    {"MAb", "AvKvk", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 11
    {"\xB8nvov", "Aby\x87iva", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 12
    {"Nwjwj", "wbjvg", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 13
    {"RvY\xFBu", "Rvwb", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 14
    {"\x87Rvnv", "\x87R\xA8vr\xAF\x9Cv", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 15
    {"YvYv", "bvbv", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 16
    {"`ywj", "K\x94Qc", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 17
    {"bA ej", "`vev \x86Ljv", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 18
    {"bC", "b`x", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 19
    {"bvPA", "bv\x87P", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 20
    {"bvex", "\x87" "b\x8AKv", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 21
    {"wceB", "cvb Kiv", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 22
    {"weAvjx", "we\x87Kj", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 23
    {"fbB", "e\x87j", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 24
    {"giYAAbv", "giY I Rxeb", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 25
    {"gnvmyn", "gnvmyL", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 26
    {"i\xE6\x87Li", "Mv\x87Qi", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 27
    {"nvDu", "Avwg", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 28
    {"\x87nv\xFB", "nI", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 29
    {"dwo\xBD", "dwos", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 30
    {"WvpKvK", "`voKvK", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 31
    {"\x87" "e\xBD", "e\xA8vO", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 32
    {"wm\xBCj", "\x87kKj", "Phv\xA9" "c` Gi e\xA8vKiY"},  // 33
    {"\x87mvqv \x86" "dwjR", "Avwg mywL", "\xAF\xFA\xA8vbxk, AvaywbK hyM"},  // 34
    {"K\x85\xF2Ry\x87" "e\xA9\x87`", "e\xA8vKiY", "Ph\xA9vc` Gi e\xA8vKiY"},  // 35
    {"AvbWz", "nq bvB", "ms\xAF\x8B\x85Z"},  // 36
    {"Gwjqvm e\xF8ym", "me", "\xAF\xFA\xA8vwbk, \x86nwj\x87" "bw\xF7K hyM"},  // 37
    {"my\xA4\xA7v", "\x87hvM", "BUvwjqvb, Uzib\x87Mv nvwjZ Gi my\xA4\xA7v wW Gwi_wgwUKv \x86_\x87K"},  // 38
    {"ci\x87" "cvm", "D\x87\xCFk\xA8", "d&\xAAv\x87\xDDi k\xE3, ga\xA8 hyM"},  // 39
    {"Zb", "\x87`n", "ms\xAF\x8B\x85Z "},  // 40
    {"KZ", "nvD", "Ph\xA9vc` Gi e\xA8vKiY"},  // 41
    {"n\xA8v_", "i\x87q\x87Q", "evB\x87" "ej, I\xEC \x86U\xF7v\x87g\x9BU"},  // 42
    {"be", "bZzb", "cZy\xA9MxR k\xE3"},  // 43
    {"Kj", "K\x87_vcK\x87_vb/MRj", "cvim\xA8 \x86`k \x86_\x87K"},  // 44
    {"Wvm ", "`vm: (wbw`\xA9\xF3)", "Rvg\xA9vb k\xE3, Uzwd bvi; Kwgwb\xF7 \x86gwb\x87" "dm\x87Uv"},  // 45
    {"Gj", "wQj", "PU\xAAM\xAAvg (PvKgv)"},  // 46
    {"Zzb", "\x86jvK", "PU\xAAM\xAAvg (PvKgv)"},  // 47
    {"`yB", "w`ev", "PU\xAAM\xAAvg (PvKgv)"},  // 48
    {"jvj", "bvj", "cZy\xA9MxR k\xE3 \x86_\x87K"},  // 49
    {"cyr ", "\x86Q\x87j", "gqgbwmsn"},  // 50
    {"cyqv ", "\x87" "cvjv", "PU\xAAM\xAAvg"},  // 51
    {"Awfavb", "wWK\x87kbvix", "ms\xAF\x8B\x85Z"},  // 52
    {"wm\xBCz\x87q", "cvuP", "BUvwjqvb msL\xA8v"},  // 53
    {"\x87Q\x87\xCB", "mvZ", "BUvwjqvb msL\xA8v"},  // 54
    {"D\x87" "bv", "GK", "BUvwjqvb msL\xA8v"},  // 55
    {"\x87Qw`mx ", "\x87lvj", "BUvwjqvb msL\xA8v"},  // 56
    {"\x87" "fw\x9A\xCD ", "wek", "BUvwjqvb msL\xA8v"},  // 57
    {"w`wmA\x87\xCBv", "AvVv\x87iv", "BUvwjqvb msL\xA8v"},  // 58
    {"ivuo", "weaev, \x86" "ek\xA8v", "c\xD6K\x85Z fvlv \x86_\x87K"},  // 59
    {"\x87" "cvjv", "\x87Q\x87j", "XvKvBqv fvlv \x86_\x87K"},  // 60
    {"\x87Q\x87j", "\x86" "cvqv", "nvIov, \xFBMwj, ea\xA9gvb \x86_\x87K"},  // 61
    {"Zz", "Zzwg", "c\xD6vPxb evOjv \x86_\x87K"},  // 62
    {"ZvRx", "\x87Nvov", "mw\xC2Zv \x86_\x87K"},  // 63
    {"\x87" "eviivK&", "\xAF^\x87M\xA9i c\x95LxivR", "mw\xC2Zv \x86_\x87K"},  // 64
    {"Rb\xA5", "Rvg", "c\xD6vfvAv \x86_\x87K"},  // 65
}};

}  // namespace

std::size_t EntryCount() noexcept { return kTable.size(); }

const Entry& EntryAt(std::size_t position) {
    if (position >= kTable.size()) throw std::out_of_range("word table position out of range");
    return kTable[position];
}

std::string_view Headword(std::size_t position) { return EntryAt(position).headword; }
std::string_view Meaning(std::size_t position) { return EntryAt(position).meaning; }
std::string_view Origin(std::size_t position) { return EntryAt(position).origin; }

}  // namespace core
