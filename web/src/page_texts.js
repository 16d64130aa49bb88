// SPDX-License-Identifier: MIT
// The page's own texts, German as everywhere; lupdate collects them into translations/purzo_en.ts
// with the window's. A plain script, not a module, so that lupdate can read it; the build reads
// it into the page's text table.
var pageTexts = {
  loadFailed: QT_TRANSLATE_NOOP('purzo::Page',
      'Purzosimulation konnte nicht geladen werden. Bitte laden Sie die Seite neu.'),
  loadFailedDetail: QT_TRANSLATE_NOOP('purzo::Page', 'Grund: %1'),
  ended: QT_TRANSLATE_NOOP('purzo::Page',
      'Das Programm ist beendet. Sie können dieses Fenster jetzt schließen.'),
  restart: QT_TRANSLATE_NOOP('purzo::Page', 'Neu beginnen'),
  close: QT_TRANSLATE_NOOP('purzo::Page', 'Schließen'),
  ok: QT_TRANSLATE_NOOP('purzo::Page', 'OK'),
  cancel: QT_TRANSLATE_NOOP('purzo::Page', 'Abbrechen'),
  chartsTitle: QT_TRANSLATE_NOOP('purzo::Page', 'Diagramme'),
  previousFlight: QT_TRANSLATE_NOOP('purzo::Page', 'voriger Flug'),
  thisFlight: QT_TRANSLATE_NOOP('purzo::Page', 'dieser Flug'),
  workbookNote: QT_TRANSLATE_NOOP('purzo::Page',
      'Die Tabelle enthält das Blatt „Flug“; die Diagramme zeigt die Seite selbst.'),
  takeOff: QT_TRANSLATE_NOOP('purzo::Page', 'Absprung: %1 m/s, %2°'),
  posture: QT_TRANSLATE_NOOP('purzo::Page', 'Haltung %1'),
  highestTurned: QT_TRANSLATE_NOOP('purzo::Page', 'Höchster Punkt: %1 m, %2° gedreht'),
  landed: QT_TRANSLATE_NOOP('purzo::Page', 'Gelandet. %1'),
  stretch: QT_TRANSLATE_NOOP('purzo::Page', 'Strecken'),
  tuck: QT_TRANSLATE_NOOP('purzo::Page', 'Hocken'),
  storageFull: QT_TRANSLATE_NOOP('purzo::Page', 'Der Speicher des Browsers ist voll'),
};
