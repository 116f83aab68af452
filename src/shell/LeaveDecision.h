#pragma once

#include "shell/PageId.h"

// How the user asks to leave a page: by a menu command or button, or by the
// window's close box.
enum class LeaveBy { Command, CloseBox };

// A page's answer when the user asks to go to another page: stay (something
// needs correcting), go where asked, or go to another page instead. The
// navigator applies it, the same way for menu commands and the close box.
struct LeaveDecision {
  enum class Kind { Stay, Go, GoInstead };

  Kind kind = Kind::Go;
  PageId instead = PageId::Graph;

  static LeaveDecision Stay() { return {Kind::Stay, PageId::Graph}; }
  static LeaveDecision Go() { return {Kind::Go, PageId::Graph}; }
  static LeaveDecision GoInsteadTo(PageId page) { return {Kind::GoInstead, page}; }

  // The page to show for a request to `requested` (meaningless for Stay).
  PageId Target(PageId requested) const { return kind == Kind::GoInstead ? instead : requested; }
};
