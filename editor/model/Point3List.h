// The singly linked node list that every polyline owns. Besides indexed access
// it keeps one shared cursor for walks (ResetCursor, then GetNext until null);
// walks of the list's own code use the iterators and leave the cursor alone.
#pragma once

#include <cstdint>
#include <iterator>
#include <memory>

#include "editor/model/Point3.h"

namespace quor {

class Point3List {
  struct Node {
    std::unique_ptr<Node> next;
    Point3 point;
  };

  template <typename Value>
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = Point3;
    using difference_type = std::ptrdiff_t;
    using pointer = Value*;
    using reference = Value&;

    Iterator() = default;
    explicit Iterator(Node* node) : m_node(node) {}
    reference operator*() const { return m_node->point; }
    pointer operator->() const { return &m_node->point; }
    Iterator& operator++() {
      m_node = m_node->next.get();
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++*this;
      return before;
    }
    friend bool operator==(const Iterator&, const Iterator&) = default;

   private:
    Node* m_node = nullptr;
  };

 public:
  using iterator = Iterator<Point3>;
  using const_iterator = Iterator<const Point3>;

  Point3List() = default;
  Point3List(const Point3List& other);
  Point3List& operator=(const Point3List& other);
  ~Point3List();

  void AddTail(const Point3& point);
  // Removes the node at index 0..count-1; any other index removes nothing.
  void RemoveAt(int index);
  void RemoveAll();

  void ResetCursor() { m_cursor = m_head.get(); }
  // The point at the cursor, advancing it; null at the end.
  Point3* GetNext();

  // Both throw TextError("List is empty") on an empty list.
  Point3 GetHead() const;
  Point3 GetTail() const;

  // Null when index < 0 or index >= count.
  Point3* GetAt(int index);
  const Point3* GetAt(int index) const;

  std::int32_t GetCount() const { return m_count; }
  bool IsEmpty() const { return m_count == 0; }

  iterator begin() { return iterator(m_head.get()); }
  iterator end() { return iterator(); }
  const_iterator begin() const { return const_iterator(m_head.get()); }
  const_iterator end() const { return const_iterator(); }

 private:
  Node* NodeAt(int index) const;

  std::unique_ptr<Node> m_head;
  Node* m_tail = nullptr;
  Node* m_cursor = nullptr;
  std::int32_t m_count = 0;
};

}  // namespace quor
