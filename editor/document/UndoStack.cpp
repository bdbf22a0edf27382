#include "editor/document/UndoStack.h"

#include <cassert>

namespace quor {

bool UndoStack::CommitPending(bool fromRedo) {
  if (!m_pending) return false;
  if (m_undo.size() >= kMaxUndoSteps) m_undo.pop_front();
  m_undo.push_back(std::move(*m_pending));
  m_pending.reset();
  if (!fromRedo) ClearRedo();
  return true;
}

bool UndoStack::PushPendingToRedo() {
  if (!m_pending) return false;
  m_redo.push_back(std::move(*m_pending));
  m_pending.reset();
  return true;
}

const UndoStack::Snapshot& UndoStack::NewestUndo() const {
  assert(!m_undo.empty() && "no undo step to read");
  return m_undo.back();
}

const UndoStack::Snapshot& UndoStack::NewestRedo() const {
  assert(!m_redo.empty() && "no redo step to read");
  return m_redo.back();
}

void UndoStack::DropNewestUndo() {
  assert(!m_undo.empty() && "no undo step to drop");
  m_undo.pop_back();
}

void UndoStack::DropNewestRedo() {
  assert(!m_redo.empty() && "no redo step to drop");
  m_redo.pop_back();
}

void UndoStack::ClearUndo() {
  m_undo.clear();
  m_pending.reset();
}

}  // namespace quor
