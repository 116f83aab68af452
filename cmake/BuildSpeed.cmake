# Precompiled headers: the standard library, Qt and GoogleTest headers that
# most sources parse are compiled once per group of targets instead of once
# per source file. Configure with -DPREVORA_PRECOMPILED_HEADERS=OFF to check
# that every file includes what it uses.
option(PREVORA_PRECOMPILED_HEADERS "Precompile the widely used headers" ON)

# GCC 12 forgets the diagnostic pragmas of headers read from a precompiled
# header, and with them the standard library's silencing of its own false
# alarms about string copies (mended in GCC 13). Without precompiled headers
# these warnings check our code again.
if(PREVORA_PRECOMPILED_HEADERS AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  add_compile_options(-Wno-array-bounds -Wno-restrict -Wno-stringop-overflow -Wno-stringop-overread)
endif()

set(PREVORA_PCH_STANDARD <algorithm> <array> <cmath> <cstdint> <cstdio> <functional> <limits> <memory> <optional>
    <string> <vector>)
set(PREVORA_PCH_TESTS ${PREVORA_PCH_STANDARD} <gtest/gtest.h>)
set(PREVORA_PCH_GUI ${PREVORA_PCH_STANDARD} <QColor> <QImage> <QPainter> <QString> <QStringList>)
set(PREVORA_PCH_WIDGETS
    ${PREVORA_PCH_GUI} <QAction> <QApplication> <QCheckBox> <QDir> <QFile> <QHBoxLayout> <QLabel> <QLineEdit> <QMenu>
    <QMenuBar> <QPlainTextEdit> <QPushButton> <QRadioButton> <QShortcut> <QVBoxLayout> <QWidget>)
set(PREVORA_PCH_WIDGET_TESTS ${PREVORA_PCH_WIDGETS} <gtest/gtest.h> <QTemporaryDir> <QTest>)

# prevora_precompile(target HEADERS...) gives the target its own precompiled
# headers; prevora_precompile(target REUSE_FROM other) shares the other's,
# which needs the same kind of target (library or program) and the same Qt
# modules, so the compiler accepts it.
function(prevora_precompile target)
  if(NOT PREVORA_PRECOMPILED_HEADERS)
    return()
  endif()
  if(ARGV1 STREQUAL "REUSE_FROM")
    target_precompile_headers(${target} REUSE_FROM ${ARGV2})
  else()
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()

# Test programs carry line tables only: at -O2 the variables' locations cost
# a good share of their compile and link time, and the libraries they test
# keep full debug information.
function(prevora_test_flags target)
  target_compile_options(${target} PRIVATE $<$<CONFIG:RelWithDebInfo>:-g1>)
endfunction()
