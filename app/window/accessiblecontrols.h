#pragma once

class QComboBox;
class QWidget;

namespace scribel {

// A pick-only list that a screen reader names by its caption and whose value is the item
// chosen. Qt names such a list by its item on this system, and the author hears
// "Jeux" where the sheet says "Catégorie".
void nameListByCaption(QComboBox& list);

// A container that a screen reader announces, with its accessible name, as the group of
// the options it holds.
void markAsGroup(QWidget& container);

} // namespace scribel
