#include "platform/qt/japanese_qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace kedravo::platform::qt {

JapaneseQtTexts::JapaneseQtTexts() {
    installed_ = translator_.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                                  QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                 QCoreApplication::installTranslator(&translator_);
}

JapaneseQtTexts::~JapaneseQtTexts() {
    if (installed_)
        QCoreApplication::removeTranslator(&translator_);
}

} // namespace kedravo::platform::qt
