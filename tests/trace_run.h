// SPDX-License-Identifier: MIT
// purzo-trace run as a user runs it: its exit code, what it printed and what it complained.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

inline Run Trace(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(PURZO_TRACE_PATH), arguments);
    Run run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
