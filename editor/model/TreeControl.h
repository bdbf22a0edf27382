// What the model needs of the project tree to fill it: inserting one item with
// a text, two images and the model object it stands for. The project bar
// implements it.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace quor {

class CLayer;
class CShape;

class TreeControl {
 public:
  using Item = std::intptr_t;
  static constexpr Item kNoItem = 0;
  static constexpr Item kRoot = -1;   // as parent: the top level
  static constexpr Item kLast = -2;   // as insert-after: after the last child
  static constexpr Item kFirst = -3;  // as insert-after: before the first child

  // The model object an item stands for; the group items stand for none.
  using Object = std::variant<std::monostate, CLayer*, CShape*>;

  virtual ~TreeControl() = default;

  virtual Item InsertItem(const std::string& text, int image, int selectedImage, Object object, Item parent,
                          Item insertAfter) = 0;
};

}  // namespace quor
