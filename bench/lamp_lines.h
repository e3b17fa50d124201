#pragma once

#include <QStringView>

#include <array>

namespace bench {

// A spectral line of a classroom lamp, its wavelength in air rounded to a
// whole nanometre, so that the bench can stand exactly on it.
struct LampLine {
    int nm;
    QStringView element; // Russian; shown through elementName() (task_texts.h)
    QStringView symbol;
};

// Frozen: the variants shuffle the indices 0..25 of this table, so any change,
// an appended line too (it widens the shuffle), changes every key a teacher
// has printed. A new lamp means a new table, and the codes already handed out
// keep this one.
inline constexpr std::array<LampLine, 26> kLampLines{{
    {405, u"ртуть", u"Hg"},
    {436, u"ртуть", u"Hg"},
    {546, u"ртуть", u"Hg"},
    {577, u"ртуть", u"Hg"},
    {579, u"ртуть", u"Hg"},
    {589, u"натрий", u"Na"},
    {590, u"натрий", u"Na"},
    {656, u"водород", u"H"},
    {486, u"водород", u"H"},
    {434, u"водород", u"H"},
    {410, u"водород", u"H"},
    {447, u"гелий", u"He"},
    {471, u"гелий", u"He"},
    {492, u"гелий", u"He"},
    {502, u"гелий", u"He"},
    {588, u"гелий", u"He"},
    {668, u"гелий", u"He"},
    {707, u"гелий", u"He"},
    {585, u"неон", u"Ne"},
    {640, u"неон", u"Ne"},
    {703, u"неон", u"Ne"},
    {480, u"кадмий", u"Cd"},
    {509, u"кадмий", u"Cd"},
    {644, u"кадмий", u"Cd"},
    {671, u"литий", u"Li"},
    {535, u"таллий", u"Tl"},
}};
constexpr int kLampLineCount = int(kLampLines.size());

} // namespace bench
