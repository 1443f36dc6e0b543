#pragma once

#include <QStringList>
#include <QStringView>
#include <array>
#include <initializer_list>
#include <optional>

namespace scribel {

struct Category {
    QStringView name;
    std::initializer_list<QStringView> subCategories;
};

// The twelve categories in list order, each with its sub-categories in list order.
// Some names are both a category and a sub-category; they are separate entries.
const std::array<Category, 12>& categories();

QStringList categoryNames();

// The sub-categories of the category of exactly that name (case and accents count);
// nothing when no category has that name.
std::optional<QStringList> subCategoriesOf(QStringView categoryName);

} // namespace scribel
