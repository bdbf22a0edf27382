// The undo and redo lists of whole-model snapshots, and the snapshot taken
// before a change that is not yet committed. At most 20 steps can be undone;
// redo has no bound.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace quor {

class UndoStack {
 public:
  using Snapshot = std::vector<std::uint8_t>;

  static constexpr std::size_t kMaxUndoSteps = 20;

  // Replaces a pending snapshot that was never committed.
  void SetPending(Snapshot snapshot) { m_pending = std::move(snapshot); }
  bool HasPending() const { return m_pending.has_value(); }

  // Both return false, changing nothing, when no snapshot is pending.
  // Committing drops the oldest undo step beyond the bound and, unless the
  // change is a redo, every redo step.
  bool CommitPending(bool fromRedo);
  bool PushPendingToRedo();

  std::size_t UndoCount() const { return m_undo.size(); }
  std::size_t RedoCount() const { return m_redo.size(); }
  // The newest entries; only when the list is not empty.
  const Snapshot& NewestUndo() const;
  const Snapshot& NewestRedo() const;
  void DropNewestUndo();
  void DropNewestRedo();

  // The undo list together with the pending snapshot.
  void ClearUndo();
  void ClearRedo() { m_redo.clear(); }

 private:
  std::optional<Snapshot> m_pending;
  std::deque<Snapshot> m_undo;  // oldest first
  std::deque<Snapshot> m_redo;
};

}  // namespace quor
