#include "app/ProgramIdentity.h"

// Q_INIT_RESOURCE names a global function and must not sit in a namespace.
void InitProgramResources() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(help);
    Q_INIT_RESOURCE(prevora);
    return true;
  }();
  (void)registered;
}

QIcon ProgramIcon() {
  InitProgramResources();
  return QIcon(QStringLiteral(":/prevora.png"));
}
