// SPDX-License-Identifier: MIT
// A tool (purzo-trace, purzo-video) run as a user runs it: its exit code, what it printed and
// what it complained.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

inline Run RunProgram(const QString& program, const QStringList& arguments, int timeoutMs = 60000) {
    QProcess process;
    process.start(program, arguments);
    Run run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

#ifdef PURZO_TRACE_PATH
inline Run Trace(const QStringList& arguments) {
    return RunProgram(QStringLiteral(PURZO_TRACE_PATH), arguments);
}
#endif
