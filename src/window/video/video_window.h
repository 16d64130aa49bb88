// SPDX-License-Identifier: MIT
// "Video": a student's filmed jump, frame by frame at the file's own times. The stick calibrates
// it, the joints are marked by click or followed by their coloured markers, and the model fits
// the flight to the marks: its values, its warnings and, over each frame, the measured centre of
// mass, the fitted parabola and the model's figure. Everything numeric comes from the model.
#pragma once

#include "body/athlete.h"
#include "flight/flight_record.h"
#include "video/jump_fit.h"
#include "video/video_image.h"
#include "window/video/video_marks.h"

#include <QFileInfo>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class QSplitter;
class QTabWidget;

namespace purzo {

class CalibrationPanel;
class FitPanel;
class MarkingPanel;
class TrackingPanel;
class VideoFile;
class VideoFrameView;
class VideoPlayback;
class VideoStepBar;
class VideoTracking;

class VideoWindow : public QWidget {
    Q_OBJECT
public:
    // What a click on the frame does: the tabs in their order.
    enum class Task { Calibrate, Mark, Track, Fit };
    // At least this wide, the tabs stand beside the frame; narrower, under it.
    static constexpr int kSideBySideWidthPx = 860;

    explicit VideoWindow(QWidget* parent = nullptr);
    ~VideoWindow() override;

    // The lesson's athlete, asked for at each fit: its mass goes into the centre of mass.
    void setAthleteSource(std::function<Athlete()> athlete) { athlete_ = std::move(athlete); }

    // "Video öffnen…": the file dialog, then openVideo; returns at once.
    void chooseVideo();
    // Opens the file and shows its first frame; a file that is no video this machine reads
    // gives a message naming it and what to do, and the video open before stays.
    bool openVideo(const QString& path);
    bool hasVideo() const;
    // Without its folder.
    QString fileName() const { return QFileInfo(path_).fileName(); }
    int frameCount() const;
    int currentFrame() const { return frame_; }
    double currentTimeS() const;

    void showFrame(int frame);
    void step(int frames);
    void togglePlay();
    Task task() const;
    void setTask(Task task);
    // The markers followed from the frame on show to the end, and stopped.
    void track();
    void cancelTracking();
    bool tracking() const;
    void fitJump();

    const VideoMarks& marks() const { return marks_; }
    const std::optional<Joint>& offeredJoint() const { return offered_; }
    const std::optional<JumpFit>& fit() const { return fit_; }
    // Draws `flight` (the fitted take-off with another tuck) over the frames, or none.
    void showWhatIf(std::optional<FlightRecord> flight) {
        whatIf_ = std::move(flight);
        refresh();
    }
    const std::optional<FlightRecord>& whatIf() const { return whatIf_; }

    VideoFrameView* view() const { return view_; }
    VideoStepBar* stepBar() const { return stepBar_; }
    VideoPlayback* playback() const { return playback_; }
    CalibrationPanel* calibrationPanel() const { return calibration_; }
    MarkingPanel* markingPanel() const { return marking_; }
    TrackingPanel* trackingPanel() const { return trackingPanel_; }
    FitPanel* fitPanel() const { return fitPanel_; }
    QLabel* statusLine() const { return status_; }

signals:
    // A fit that succeeded, for the lesson's log.
    void videoFlightFitted(const purzo::JumpFit& fit, const QString& fileName);
    // "Was wäre, wenn…": the fitted take-off with another tuck, by a plan or from the map.
    void whatIfRequested();
    void whatIfMapRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void clickedAt(PixelPoint at);
    void markAt(PixelPoint at);
    // The frame without pausing: the playback's own.
    void display(int frame);
    void movePoint(int index, PixelPoint at, bool finished);
    void skipJoint();
    void showImage(int frame, const RgbImage& image);
    // The marks or the stick changed: the fit no longer holds.
    void dropFit();
    // The overlay, the hint and the panels for the frame on show.
    void refresh();
    QString hint() const;

    std::unique_ptr<VideoFile> file_;
    QString path_;
    RgbImage image_;
    int frame_ = 0;
    VideoMarks marks_;
    std::optional<Joint> offered_;
    std::optional<JumpFit> fit_;
    std::optional<FlightRecord> whatIf_;
    Calibration fitCalibration_; // the stick's, as the fit took it
    std::vector<PixelPoint> fitPath_;
    std::vector<Joint> draggedJoints_; // the draggable marks' joints, in the view's order
    std::function<Athlete()> athlete_;
    VideoTracking* tracking_;
    VideoPlayback* playback_;
    QPushButton* open_;
    QLabel* info_;
    VideoFrameView* view_;
    VideoStepBar* stepBar_;
    QSplitter* splitter_;
    QTabWidget* tasks_;
    CalibrationPanel* calibration_;
    MarkingPanel* marking_;
    TrackingPanel* trackingPanel_;
    FitPanel* fitPanel_;
    QLabel* status_;
};

} // namespace purzo
