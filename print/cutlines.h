#pragma once

#include <QString>
#include <array>

namespace scribel::print {

// Characters first to last, counted from 1, of one printed line.
struct CharacterRange {
    int first;
    int last;
};

using LineCuts = std::array<CharacterRange, 4>;

// The last ranges end at the fields' own limits, so a field filled to its limit prints whole.
inline constexpr LineCuts kDescriptionLines = {{{1, 52}, {53, 117}, {118, 182}, {183, 247}}};
inline constexpr LineCuts kLimitationLines = {{{1, 55}, {56, 120}, {121, 185}, {186, 251}}};
inline constexpr LineCuts kOtherServicesLines = {{{1, 35}, {36, 80}, {81, 125}, {126, 171}}};

// No printed line shows more printing characters than this: the widest line runs less
// than the paper's 210 mm, and at 8 pt the narrowest printing character (a straight
// quote, 0.19 em) still takes 0.54 mm, so some 390 of them fill it. The rest is room for
// kerning and for the font the system puts in Arial's place.
inline constexpr qsizetype kMostPrintingCharactersShown = 1000;

// The start of a text that a printed line can show: up to its 1000th printing character.
// Characters that may have no width of their own (controls, soft hyphens, combining
// marks) are kept without being counted, since a word after them may still show.
QString startThatCanShow(const QString& text);

// A line break (CR LF, LF or CR) becomes one space, so a printed line stays one line.
QString singleLine(const QString& text);

// The four lines of a long text: a range beyond the end gives an empty line, characters
// beyond the last range are dropped. Line breaks count as one character each.
std::array<QString, 4> cutIntoLines(const QString& text, const LineCuts& cuts);

} // namespace scribel::print
