#include "editor/model/Point3List.h"

#include "platform/error/TextError.h"

namespace quor {

Point3List::Point3List(const Point3List& other) {
  for (const Point3& point : other) AddTail(point);
}

Point3List& Point3List::operator=(const Point3List& other) {
  if (this == &other) return *this;
  RemoveAll();
  for (const Point3& point : other) AddTail(point);
  return *this;
}

Point3List::~Point3List() {
  RemoveAll();
}

void Point3List::AddTail(const Point3& point) {
  auto node = std::make_unique<Node>(Node{nullptr, point});
  Node* added = node.get();
  if (m_tail == nullptr) {
    m_head = std::move(node);
  } else {
    m_tail->next = std::move(node);
  }
  m_tail = added;
  ++m_count;
}

void Point3List::RemoveAt(int index) {
  if (index < 0 || index >= m_count) return;
  std::unique_ptr<Node>* link = &m_head;
  Node* previous = nullptr;
  for (int i = 0; i < index; ++i) {
    previous = link->get();
    link = &(*link)->next;
  }
  std::unique_ptr<Node> removed = std::move(*link);
  *link = std::move(removed->next);
  if (m_tail == removed.get()) m_tail = previous;
  // A walk in progress goes on with the node after the removed one.
  if (m_cursor == removed.get()) m_cursor = link->get();
  --m_count;
}

void Point3List::RemoveAll() {
  // Unlinked one by one, so a long list never recurses through its destructors.
  while (m_head) m_head = std::move(m_head->next);
  m_tail = nullptr;
  m_cursor = nullptr;
  m_count = 0;
}

Point3* Point3List::GetNext() {
  if (m_cursor == nullptr) return nullptr;
  Point3* point = &m_cursor->point;
  m_cursor = m_cursor->next.get();
  return point;
}

Point3 Point3List::GetHead() const {
  if (!m_head) throw TextError("List is empty");
  return m_head->point;
}

Point3 Point3List::GetTail() const {
  if (m_tail == nullptr) throw TextError("List is empty");
  return m_tail->point;
}

Point3List::Node* Point3List::NodeAt(int index) const {
  if (index < 0 || index >= m_count) return nullptr;
  Node* node = m_head.get();
  for (int i = 0; i < index; ++i) node = node->next.get();
  return node;
}

Point3* Point3List::GetAt(int index) {
  Node* node = NodeAt(index);
  return node ? &node->point : nullptr;
}

const Point3* Point3List::GetAt(int index) const {
  const Node* node = NodeAt(index);
  return node ? &node->point : nullptr;
}

}  // namespace quor
