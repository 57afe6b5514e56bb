// Steps on modal windows for the desktop tests: a modal window blocks the
// test until answered, so the step is queued to run once it is open.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `step` on the modal window named `name` (empty: a message box) once
// it is open, looking every 25 ms, `tries` times at most.
inline void WhenOpen(QObject* context, const QString& name, std::function<void(QWidget*)> step,
                     int tries = 80) {
    QTimer::singleShot(25, context, [=] {
        QWidget* open = QApplication::activeModalWidget();
        if (open && (name.isEmpty() ? qobject_cast<QMessageBox*>(open) != nullptr
                                    : open->objectName() == name))
            return step(open);
        if (tries > 0) WhenOpen(context, name, step, tries - 1);
    });
}
