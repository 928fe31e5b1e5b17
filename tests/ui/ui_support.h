// Shared helpers of the widget tests: a program on a scripted platform, and
// finding controls by their object names.
#pragma once

#include "app/program.h"
#include "scripted_platform.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <memory>

namespace zelk::test {

// A fresh program per test, so no answer or record leaks into the next one.
struct Session {
    ScriptedPlatform platform;
    std::unique_ptr<Program> program = std::make_unique<Program>(platform);

    JobRecord& record() { return program->jobRecord(); }
    ScreenRegistry& screens() { return program->screens(); }
};

template <class T = QWidget> T* child(QWidget* window, const char* name) {
    return window ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}

// Types into a field as the operator would: the old text replaced.
inline void typeInto(QWidget* window, const char* name, const QString& text) {
    auto* field = child<QLineEdit>(window, name);
    QVERIFY2(field, name);
    field->selectAll();
    field->setText(text);
}

inline QString textOf(QWidget* window, const char* name) {
    auto* field = child<QLineEdit>(window, name);
    return field ? field->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

// Closes a window the way the title bar does and lets Qt delete it.
inline void closeWindow(QWidget* window) {
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline std::string toStd(const QString& s) {
    return s.toStdString();
}

// The catch test's nozzle fields: 1 to 11 are Text1(0) to Text11(0), 12 to 18
// Text12(0) to Text12(6).
inline QString nozzleName(int nozzle) {
    return nozzle <= 11 ? QStringLiteral("Text%1(0)").arg(nozzle)
                        : QStringLiteral("Text12(%1)").arg(nozzle - 12);
}

} // namespace zelk::test
