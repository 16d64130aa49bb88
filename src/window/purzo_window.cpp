// SPDX-License-Identifier: MIT
// The window computes no physics: it reads the controls, asks the model for each frame and shows
// what comes back.
#include "window/purzo_window.h"

#include "body/posture_table.h"
#include "flight/csv_writer.h"
#include "flight/flight_constants.h"
#include "flight/takeoff_check.h"
#include "flight/takeoff_text.h"
#include "window/beep.h"
#include "window/canvas_widget.h"
#include "window/caption_button.h"
#include "window/fonts.h"
#include "window/label_table.h"
#include "window/lesson_menu.h"
#include "window/option_button.h"
#include "window/saving.h"
#include "window/scaled_style.h"
#include "window/scroll_bar.h"
#include "window/text_box.h"
#include "window/translations.h"
#include "window/twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QImageWriter>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <cmath>
#include <limits>

namespace purzo {
namespace {

// The take-off values the window opens with.
constexpr int kDesignSpeed = 6;  // m/s
constexpr int kDesignAngle = 60; // degrees

QScrollBar* MakeScrollBar(QWidget* parent, const char* name, QRect rect, int min, int max,
                          int largeChange, int value) {
    auto* bar = new ScrollBar(parent);
    bar->setObjectName(QLatin1String(name));
    bar->setGeometry(rect);
    bar->setRange(min, max);
    bar->setSingleStep(1);
    bar->setPageStep(largeChange);
    bar->setValue(value);
    return bar;
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name, QRect rect, const QString& text,
                       const QFont& font, Qt::Alignment alignment) {
    auto* box = new TextBox(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(rect);
    box->setFont(font);
    box->setAlignment(alignment);
    box->setMaxLength(std::numeric_limits<int>::max()); // students may paste anything
    return box;
}

QLabel* MakePicture(QWidget* parent, const char* name, QRect rect, const QPixmap& pixmap) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setGeometry(rect);
    picture->setPixmap(pixmap);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return picture;
}

QPushButton* MakeButton(QWidget* parent, const char* name, QRect rect, const QString& text) {
    auto* button = new CaptionButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(rect);
    button->setFont(MakeFont(Face::MsSansSerif, 9.75, true));
    button->setAutoDefault(false);
    return button;
}

QRadioButton* MakeOption(QWidget* parent, const char* name, QRect rect, const QString& text) {
    auto* option = new OptionButton(text, parent);
    option->setObjectName(QLatin1String(name));
    option->setGeometry(rect);
    option->setFont(MakeFont(Face::MsSansSerif, 9.75, false));
    return option;
}

// The nearest whole number, halves away from zero, of a text inside [lo, hi]; nothing otherwise.
std::optional<int> BarValueFor(const QString& text, int lo, int hi) {
    const std::optional<double> value = ParseTakeoffNumber(text.toStdString());
    if (!value || *value < lo || *value > hi) {
        return std::nullopt;
    }
    return int(std::round(*value));
}

QSize MinimumClientSize() {
    return {int(std::ceil(kDesignClientSize.width() * kMinScale)),
            int(std::ceil(kDesignClientSize.height() * kMinScale))};
}

} // namespace

PurzoWindow::PurzoWindow(QWidget* parent)
    : QWidget(parent), style_(new ScaledStyle), layout_(style_),
      arrowKeys_(LoadPicture(CurrentLanguage() == Language::English
                                 ? QStringLiteral("pfeiltasten-en")
                                 : QStringLiteral("pfeiltasten"))),
      mark_(LoadPicture(QStringLiteral("zeichen"))) {
    style_->setParent(this);
    setObjectName(QStringLiteral("Purzo"));
    setWindowTitle(QStringLiteral("Purzosimulation"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icons/purzo-256.png")));
    setFont(DefaultFont());
    frameTimer_.setSingleShot(true);
    frameTimer_.setTimerType(Qt::PreciseTimer);
    connect(&frameTimer_, &QTimer::timeout, this, &PurzoWindow::runFrame);
    createControls();
}

PurzoWindow::~PurzoWindow() = default;

void PurzoWindow::createControls() {
    // Labels lie beneath every other control.
    for (const LabelDesign& design : LabelTable()) {
        auto* label = new QLabel(tr(design.text), this);
        label->setObjectName(QLatin1String(design.name));
        label->setGeometry(TwipsToPixels(design.left, design.top, design.width, design.height));
        label->setFont(MakeFont(design.face, design.pointSize, design.bold));
        label->setWordWrap(true);
        label->setAlignment((design.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        if (design.colour != kSystemText) {
            palette.setColor(QPalette::WindowText, QColor::fromRgb(design.colour));
        }
        if (design.background != 0) {
            palette.setColor(QPalette::Window, QColor::fromRgb(design.background));
        }
        label->setPalette(palette);
    }
    label19_ = findChild<QLabel*>(QStringLiteral("Label19"));
    label19_->setText(label19_->text().arg(kStandardSpeed).arg(kStandardAngle));
    label19_->hide();

    // The rest is created from back to front, so that each stands in front of the one before.
    hScroll1_ = MakeScrollBar(this, "HScroll1", TwipsToPixels(1920, 6960, 3495, 375), kFirstPosture,
                              kLastPosture, 1, kFirstPosture);
    picture1_ = new CanvasWidget(this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setGeometry(TwipsToPixels(120, 240, 10575, 8055));

    ende_ = MakeButton(this, "Ende", TwipsToPixels(11040, 8640, 1455, 735), tr("Programm Ende"));
    start_ =
        MakeButton(this, "Start", TwipsToPixels(11040, 7680, 1455, 735), tr("Simulation starten"));

    const QFont boxFont = MakeFont(Face::Arial, 12, true);
    text1_ = MakeTextBox(this, "Text1", TwipsToPixels(14160, 1880, 735, 405),
                         QString::number(kDesignSpeed), boxFont, Qt::AlignCenter);
    text1_->setToolTip(tr("Bereich: %1 bis %2").arg(kMinSpeed).arg(kMaxSpeed));
    text2_ = MakeTextBox(this, "Text2", TwipsToPixels(14160, 3120, 735, 375),
                         QString::number(kDesignAngle), boxFont, Qt::AlignCenter);
    text2_->setToolTip(tr("Bereich: %1 bis %2").arg(kMinAngle).arg(kMaxAngle));
    // The hidden height box shows the take-off height with a decimal comma; nothing reads it.
    text3_ = MakeTextBox(this, "Text3", TwipsToPixels(9360, 8640, 735, 375),
                         QLocale(QLocale::German).toString(kTakeoffHeightM), DefaultFont(),
                         Qt::AlignLeft | Qt::AlignVCenter);
    text3_->hide();

    frame1_ = new QGroupBox(tr("Wiedergabegeschwindigkeit"), this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setGeometry(TwipsToPixels(12720, 7440, 3255, 1935));
    frame1_->setFont(MakeFont(Face::MsSansSerif, 9.75, true));
    option1_ = MakeOption(frame1_, "Option1", TwipsToPixels(240, 360, 2055, 375), tr("Echtzeit"));
    option2_ = MakeOption(frame1_, "Option2", TwipsToPixels(240, 840, 2400, 375), tr("Zeitlupe"));
    option3_ =
        MakeOption(frame1_, "Option3", TwipsToPixels(240, 1320, 2400, 495), tr("Extrem-Zeitlupe"));
    option1_->setChecked(true);
    paceOptions_ = new QButtonGroup(this);
    paceOptions_->addButton(option1_, int(Pace::RealTime));
    paceOptions_->addButton(option2_, int(Pace::SlowMotion));
    paceOptions_->addButton(option3_, int(Pace::ExtremeSlowMotion));
    // Tab reaches the option group at its checked button only.
    for (QRadioButton* option : {option1_, option2_, option3_}) {
        auto tabStop = [option](bool checked) {
            option->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
        };
        tabStop(option->isChecked());
        connect(option, &QRadioButton::toggled, option, tabStop);
    }

    picture2_ =
        MakePicture(this, "Picture2", TwipsToPixels(11880, 4560, 2295, 2055), arrowKeys_.designed);
    picture2_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture2_->setLineWidth(2);
    picture2_->setFocusPolicy(Qt::StrongFocus);
    picture3_ = MakePicture(this, "Picture3", TwipsToPixels(6600, 11400, 735, 255), mark_.designed);
    picture3_->setAutoFillBackground(true);
    QPalette footer = picture3_->palette();
    footer.setColor(QPalette::Window, footer.color(QPalette::Base));
    footer.setColor(QPalette::WindowText, footer.color(QPalette::Text));
    picture3_->setPalette(footer);

    hScrollGeschw_ = MakeScrollBar(this, "HScroll_geschw", TwipsToPixels(14160, 2280, 735, 255),
                                   kMinSpeed, kMaxSpeed, 1, kDesignSpeed);
    hScrollAngle_ = MakeScrollBar(this, "HScroll_angle", TwipsToPixels(14170, 3480, 735, 255),
                                  kMinAngle, kMaxAngle, 5, kDesignAngle);

    // Value sync: a scroll bar's change and drag both write its value into its text box; a
    // number typed inside the range moves the bar to its nearest whole value without writing
    // back, so the text stays as typed.
    auto sync = [this](QScrollBar* bar, QLineEdit* box, int lo, int hi) {
        auto write = [this, box](int value) {
            if (!followingText_) {
                box->setText(QString::number(value));
            }
        };
        connect(bar, &QScrollBar::valueChanged, box, write);
        connect(bar, &QScrollBar::sliderMoved, box, write);
        connect(box, &QLineEdit::textEdited, bar, [this, bar, lo, hi](const QString& text) {
            if (const std::optional<int> value = BarValueFor(text, lo, hi)) {
                followingText_ = true;
                bar->setValue(*value);
                followingText_ = false;
            }
        });
        // Enter in a text box starts a flight, as the Start button would.
        connect(box, &QLineEdit::returnPressed, this, &PurzoWindow::startFlight);
    };
    sync(hScrollGeschw_, text1_, kMinSpeed, kMaxSpeed);
    sync(hScrollAngle_, text2_, kMinAngle, kMaxAngle);

    connect(start_, &QPushButton::clicked, this, &PurzoWindow::startFlight);
    connect(ende_, &QPushButton::clicked, this, &QWidget::close);

    // Tab order.
    QWidget* order[] = {picture1_, ende_,    start_,   text1_,    text2_,         hScroll1_,
                        option1_,  option2_, option3_, picture2_, hScrollGeschw_, hScrollAngle_};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
    picture1_->setFocus();

    // Every control is drawn with the window's style and placed at the window's scale.
    for (QWidget* control : findChildren<QWidget*>()) {
        control->setStyle(style_);
    }
    for (QObject* child : children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (!control) {
            continue;
        }
        TextKind kind = TextKind::None;
        if (qobject_cast<QLabel*>(control) && control != picture2_ && control != picture3_) {
            kind = TextKind::Label;
        } else if (qobject_cast<QPushButton*>(control)) {
            kind = TextKind::Button;
        } else if (qobject_cast<QLineEdit*>(control)) {
            kind = TextKind::TextBox;
        } else if (control == frame1_) {
            kind = TextKind::GroupTitle;
        }
        layout_.add(control, kind);
    }
    for (QRadioButton* option : {option1_, option2_, option3_}) {
        layout_.add(option, TextKind::Option);
    }
    setMinimumSize(MinimumClientSize());

    setAccessibleTexts();

    lessonMenu_ = new LessonMenu(this);
    connect(lessonMenu_, &LessonMenu::toolsChanged, picture1_, &CanvasWidget::setTools);
    connect(lessonMenu_, &LessonMenu::replayRequested, this, &PurzoWindow::replayLastFlight);
    connect(lessonMenu_, &LessonMenu::saveCsvRequested, this, &PurzoWindow::chooseCsvFile);
    connect(lessonMenu_, &LessonMenu::savePictureRequested, this, &PurzoWindow::choosePictureFile);
    picture1_->setNumberLocale(
        QLocale(CurrentLanguage() == Language::English ? QLocale::English : QLocale::German));
    picture1_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(picture1_, &QWidget::customContextMenuRequested, this, &PurzoWindow::showLessonMenu);
    picture1_->installEventFilter(this);
    hScroll1_->installEventFilter(this);

    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(fullScreen, &QShortcut::activated, this, &PurzoWindow::toggleFullScreen);
    auto* leaveFullScreen = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(leaveFullScreen, &QShortcut::activated, this, [this] {
        if (isFullScreen()) {
            toggleFullScreen();
        }
    });
}

void PurzoWindow::setAccessibleTexts() {
    // A screen reader announces each control by the text a sighted student reads beside it.
    auto labelText = [this](const char* name) {
        return findChild<QLabel*>(QLatin1String(name))->text();
    };
    for (QLabel* label : findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            label->setAccessibleName(label->text());
        }
    }
    text1_->setAccessibleName(labelText("Label1"));
    text1_->setAccessibleDescription(text1_->toolTip());
    text2_->setAccessibleName(labelText("Label2"));
    text2_->setAccessibleDescription(text2_->toolTip());
    hScrollGeschw_->setAccessibleName(labelText("Label1"));
    hScrollGeschw_->setAccessibleDescription(labelText("Label5"));
    hScrollAngle_->setAccessibleName(labelText("Label2"));
    hScrollAngle_->setAccessibleDescription(labelText("Label6"));
    text3_->setAccessibleName(tr("Absprunghöhe in m"));
    start_->setAccessibleName(start_->text());
    start_->setAccessibleDescription(labelText("Label10"));
    ende_->setAccessibleName(ende_->text());
    ende_->setAccessibleDescription(tr("Beendet das Programm."));
    frame1_->setAccessibleName(frame1_->title());
    for (QAbstractButton* option : paceOptions_->buttons()) {
        option->setAccessibleName(option->text());
        option->setAccessibleDescription(
            tr("%1 ms Pause vor jedem Bild").arg(FrameDelayMs(Pace(paceOptions_->id(option)))));
    }
    picture1_->setAccessibleName(tr("Flugbild"));
    picture1_->setAccessibleDescription(
        tr("Die Strichfigur im Flug. Das Kontextmenü schaltet die Werkzeuge für den Unterricht."));
    hScroll1_->setAccessibleName(tr("Körperposition"));
    hScroll1_->setAccessibleDescription(labelText("Label7"));
    picture2_->setAccessibleName(tr("Pfeiltasten"));
    picture2_->setAccessibleDescription(
        tr("Linke Pfeiltaste: Strecken. Rechte Pfeiltaste: Hocken."));
    picture3_->setAccessibleName(tr("Zeichen"));
}

void PurzoWindow::toggleFullScreen() {
    if (isFullScreen()) {
        showNormal();
    } else {
        showFullScreen();
    }
}

void PurzoWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applyScale();
}

void PurzoWindow::applyScale() {
    layout_.apply(size());
    const double s = layout_.scale();
    const double ratio = devicePixelRatioF();
    picture1_->setScale(s);
    picture2_->setLineWidth(style_->scaled(2));
    picture2_->setPixmap(PictureAtScale(arrowKeys_, s, ratio));
    picture3_->setPixmap(PictureAtScale(mark_, s, ratio));
}

QSize PurzoWindow::bestClientSize(QSize available) {
    // Room for the title bar and the frame around the client area.
    const QSize room = available - kFrameAllowance;
    if (room.width() >= kDesignClientSize.width() && room.height() >= kDesignClientSize.height()) {
        return kDesignClientSize;
    }
    const double s = ScaleForClient(room);
    // The tiny allowance keeps a width of exactly room.width() from rounding down a pixel.
    const QSize fitting(int(std::floor(kDesignClientSize.width() * s + 1e-9)),
                        int(std::floor(kDesignClientSize.height() * s + 1e-9)));
    return fitting.expandedTo(MinimumClientSize());
}

void PurzoWindow::showAtBestSize() {
    const QScreen* screen = this->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    resize(available.isValid() ? bestClientSize(available.size()) : kDesignClientSize);
    show();
    picture1_->setFocus();
}

Pace PurzoWindow::selectedPace() const {
    return Pace(paceOptions_->checkedId());
}

void PurzoWindow::startFlight() {
    // A press during a flight ends that flight and starts afresh: flights never nest. A flight
    // cut off so is dropped; a replay simply ends.
    stopFlight();
    label19_->hide();
    const TakeoffCheck check =
        CheckTakeoff(text1_->text().toStdString(), text2_->text().toStdString());
    if (check.beep) {
        SoundWarningBeep();
        emit beepSounded();
    }
    if (check.showWarning) {
        text1_->setText(QString::fromStdString(check.speedText));
        text2_->setText(QString::fromStdString(check.angleText));
        // The bars stand where the texts do, so that the next arrow click starts from 5 and 50.
        hScrollGeschw_->setValue(kStandardSpeed);
        hScrollAngle_->setValue(kStandardAngle);
        label19_->show();
    }
    hScroll1_->setValue(kFirstPosture);
    params_ = ComputeFlightParameters(check.takeoffSpeed, check.takeoffAngle);
    frameDelayMs_ = FrameDelayMs(selectedPace());
    flight_ = StartFlight(params_);
    running_ =
        FlightRecord{text1_->text().toStdString(), text2_->text().toStdString(), params_, Model::Classic, {}};
    picture1_->startFlight();
    // Compared with the flight before this one, which after its landing is the previous.
    picture1_->setPreviousFlight(lastFlight_ ? lastFlight_->frames : std::vector<FrameResult>{});
    hScroll1_->setFocus();
    emit flightStarted();
    clock_.start(pauseOverrideMs_.value_or(frameDelayMs_));
    scheduleNextFrame();
}

void PurzoWindow::stopFlight() {
    frameTimer_.stop();
    flight_.reset();
    running_.reset();
    replayNext_.reset();
}

void PurzoWindow::scheduleNextFrame() {
    const int next = replayNext_ ? int(*replayNext_) + 1 : flight_->framesRun + 1;
    frameTimer_.start(clock_.waitBeforeFrame(next));
}

void PurzoWindow::runFrame() {
    if (replayNext_) {
        runReplayFrame();
        return;
    }
    if (!flightRunning()) {
        return;
    }
    hScroll1_->setFocus();
    clock_.frameShown(flight_->framesRun + 1);
    // Read the posture now, so that a key pressed during the pause shows in this very frame.
    const FrameResult frame = RunFrame(*flight_, hScroll1_->value());
    currentFrame_ = frame;
    running_->frames.push_back(frame);
    picture1_->showFrame(frame);
    if (frame.lastFrame) {
        previousFlight_ = std::move(lastFlight_);
        lastFlight_ = std::move(running_);
        running_.reset();
        lessonMenu_->setFlightEnded(true);
    }
    emit frameShown(frame.frame);
    if (frame.lastFrame) {
        emit flightFinished(frame.frame);
        return;
    }
    scheduleNextFrame();
}

void PurzoWindow::replayLastFlight() {
    if (!lastFlight_) {
        return;
    }
    stopFlight();
    replayNext_ = 0;
    picture1_->startFlight();
    picture1_->setPreviousFlight(previousFlight_ ? previousFlight_->frames
                                                 : std::vector<FrameResult>{});
    // The replay plays the recorded postures; the arrow keys have nothing to move.
    picture1_->setFocus();
    clock_.start(pauseOverrideMs_.value_or(FrameDelayMs(selectedPace())));
    scheduleNextFrame();
}

void PurzoWindow::runReplayFrame() {
    const std::vector<FrameResult>& frames = lastFlight_->frames;
    const std::size_t index = *replayNext_;
    clock_.frameShown(int(index) + 1);
    currentFrame_ = frames[index];
    picture1_->showFrame(frames[index]);
    emit frameShown(frames[index].frame);
    if (index + 1 == frames.size()) {
        replayNext_.reset();
        emit replayFinished(int(frames.size()));
        return;
    }
    replayNext_ = index + 1;
    scheduleNextFrame();
}

void PurzoWindow::showLessonMenu(const QPoint& canvasPos) {
    // The menu grows with the window, so that it reads on a projector too.
    QMenu* menu = lessonMenu_->menu();
    menu->setStyle(style_);
    QFont font = DefaultFont();
    font.setPointSizeF(font.pointSizeF() * layout_.scale());
    menu->setFont(font);
    menu->popup(picture1_->mapToGlobal(canvasPos));
}

bool PurzoWindow::eventFilter(QObject* watched, QEvent* event) {
    // The Menu key and Shift+F10 open the canvas's menu while the canvas or the posture bar has
    // the focus, also during a flight.
    if (event->type() == QEvent::KeyPress && (watched == picture1_ || watched == hScroll1_)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Menu ||
            (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
            showLessonMenu(picture1_->contentsRect().center());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QImage PurzoWindow::canvasPicture() const {
    return picture1_->grab(picture1_->contentsRect()).toImage();
}

void PurzoWindow::reportSaveFailure(const QString& path, const QString& reason) {
    const QString message =
        tr("„%1“ konnte nicht gespeichert werden:\n%2").arg(QDir::toNativeSeparators(path), reason);
    auto* box =
        new QMessageBox(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("saveFailedMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    emit saveFailed(message);
}

bool PurzoWindow::saveFlightCsv(const QString& path) {
    if (!lastFlight_) {
        return false;
    }
    const std::string csv = FlightCsv(lastFlight_->frames, lastFlight_->model);
    const auto failure = SaveAtomically(path, [&csv](QIODevice& file) {
        return file.write(csv.data(), qint64(csv.size())) == qint64(csv.size());
    });
    if (failure) {
        reportSaveFailure(path, *failure);
    }
    return !failure;
}

bool PurzoWindow::saveCanvasPicture(const QString& path) {
    const QImage picture = canvasPicture();
    const auto failure = SaveAtomically(path, [&picture](QIODevice& file) {
        QImageWriter writer(&file, "png");
        return writer.write(picture);
    });
    if (failure) {
        reportSaveFailure(path, *failure);
    }
    return !failure;
}

void PurzoWindow::chooseCsvFile() {
    if (!lastFlight_) {
        return;
    }
    const QString suggested =
        SuggestedFileName(QString::fromStdString(lastFlight_->speedText),
                          QString::fromStdString(lastFlight_->angleText), QStringLiteral("csv"));
    const QString path = QFileDialog::getSaveFileName(this, tr("Flug als CSV speichern"),
                                                      QDir(SaveFolder()).filePath(suggested),
                                                      tr("CSV-Dateien (*.csv)"));
    if (!path.isEmpty()) {
        saveFlightCsv(path);
    }
}

void PurzoWindow::choosePictureFile() {
    const QString speed =
        lastFlight_ ? QString::fromStdString(lastFlight_->speedText) : text1_->text();
    const QString angle =
        lastFlight_ ? QString::fromStdString(lastFlight_->angleText) : text2_->text();
    const QString suggested = SuggestedFileName(speed, angle, QStringLiteral("png"));
    const QString path = QFileDialog::getSaveFileName(this, tr("Bild speichern"),
                                                      QDir(SaveFolder()).filePath(suggested),
                                                      tr("PNG-Bilder (*.png)"));
    if (!path.isEmpty()) {
        saveCanvasPicture(path);
    }
}

void PurzoWindow::closeEvent(QCloseEvent* event) {
    stopFlight();
    event->accept();
}

} // namespace purzo
