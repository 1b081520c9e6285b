// The colour schemes as tables of QColor, and the cell marks' roles.
#include "platform/colours.h"

ColourTable colourTableOf(const ColourValues& values) {
    ColourTable table;
    for (std::size_t i = 0; i < kColourCount; ++i) table[i] = QColor::fromRgb(values[i]);
    return table;
}

int markColourRole(QRgb classic) {
    for (const Colour role : {Colour::HouseTint, Colour::SameValueTint, Colour::UnitTint,
                              Colour::CursorOutline, Colour::TargetOutline, Colour::WrongOutline})
        if (kClassicColours[colourIndex(role)] == (classic | 0xff000000u))
            return static_cast<int>(role);
    return -1;
}
