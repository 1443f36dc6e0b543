#pragma once

#include <QString>
#include <QStringView>

namespace scribel {

inline constexpr QStringView kBannerInvitation = u"Faites le choix de votre magazine !!";
inline constexpr QStringView kBannerSeparator = u"   ";
inline constexpr int kBannerCopies = 11;

// The banner's text: the invitation eleven times, three spaces between copies.
QString bannerText();

// The banner's left edge after one step, in twips: it moves 60 to the left, and once
// the whole text has passed out on the left it first re-enters at the box's right edge.
inline constexpr int kBannerStepTwips = 60;
inline constexpr int kBannerStartTwips = 4200;

constexpr int nextBannerLeft(int left, int textWidth, int boxWidth) {
    if (left <= -textWidth) {
        left = boxWidth;
    }
    return left - kBannerStepTwips;
}

} // namespace scribel
