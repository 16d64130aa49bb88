// SPDX-License-Identifier: MIT
// Reading a workbook's cells back: an .xlsx is a zip of XML, read here with unzip.
#pragma once

#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

namespace purzo::test {

inline QByteArray ZipEntry(const QString& zip, const QString& entry) {
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), zip, entry});
    unzip.waitForFinished(20000);
    return unzip.readAllStandardOutput();
}

// The cells of sheet n (1, 2, …) by their reference ("B7"): numbers as written, shared strings
// resolved to their text.
inline QMap<QString, QString> XlsxCells(const QString& path, int sheet) {
    QStringList shared;
    QXmlStreamReader strings(ZipEntry(path, QStringLiteral("xl/sharedStrings.xml")));
    while (!strings.atEnd()) {
        if (strings.readNext() == QXmlStreamReader::StartElement &&
            strings.name() == QLatin1String("t")) {
            shared << strings.readElementText();
        }
    }
    QMap<QString, QString> cells;
    QXmlStreamReader xml(ZipEntry(path, QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheet)));
    QString reference;
    bool isString = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("c")) {
            reference = xml.attributes().value(QLatin1String("r")).toString();
            isString = xml.attributes().value(QLatin1String("t")) == QLatin1String("s");
        } else if (xml.name() == QLatin1String("v")) {
            const QString value = xml.readElementText();
            cells[reference] = isString ? shared.value(value.toInt()) : value;
        }
    }
    return cells;
}

} // namespace purzo::test
