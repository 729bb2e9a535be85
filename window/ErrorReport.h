// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace aeris {

// Shows an error that ended a handler: an error box titled with the program's task-bar title,
// the message followed by a full stop and an OK button. Returns when the user presses OK;
// timers and repaints go on meanwhile.
void showHandlerError(QWidget* parent, const QString& taskBarTitle, const QString& message);

} // namespace aeris
