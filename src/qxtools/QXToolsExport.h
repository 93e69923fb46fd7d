#pragma once
// Marks what the QXTools library shows to its users; everything else stays inside it.

#include <QtCore/qglobal.h>

#if defined(QXTOOLS_LIBRARY)
#define QXTOOLS_EXPORT Q_DECL_EXPORT
#else
#define QXTOOLS_EXPORT Q_DECL_IMPORT
#endif
