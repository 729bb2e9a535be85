// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "window/ErrorReport.h"

#include <QMessageBox>

namespace aeris {

void showHandlerError(QWidget* parent, const QString& taskBarTitle, const QString& message) {
    QMessageBox box(QMessageBox::Critical, taskBarTitle, message + QLatin1Char('.'), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("HandlerErrorBox"));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace aeris
