#pragma once
// Library-wide settings of QXTools and the hooks that let tests answer its message boxes.

#include <QString>
#include <functional>

#include "qxtools/QXToolsExport.h"

namespace QXTools {

// The version of the library's interface.
QXTOOLS_EXPORT long GetLibVersion();

// Where the requester keeps its view settings, favourites and placement. Without a call the
// application's own profile (organisation and application name of QCoreApplication) is used.
QXTOOLS_EXPORT void SetSettingsLocation(const QString& organisation, const QString& application);

// While set, the library's yes/no questions are not shown: the interceptor gets the text and
// answers true for "Ja". nullptr shows the real boxes again.
using QuestionInterceptor = std::function<bool(const QString& text)>;
QXTOOLS_EXPORT void SetQuestionInterceptor(QuestionInterceptor interceptor);

// The same for the library's notices (errors and warnings with an "OK" button).
using NoticeInterceptor = std::function<void(const QString& text)>;
QXTOOLS_EXPORT void SetNoticeInterceptor(NoticeInterceptor interceptor);

}  // namespace QXTools
