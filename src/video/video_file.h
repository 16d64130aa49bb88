// SPDX-License-Identifier: MIT
// A video file read frame by frame through FFmpeg's libraries: every frame's time as the file
// holds it, any frame decoded on demand, exact to the frame, with memory bounded whatever the
// video's length.
#pragma once

#include "video/video_image.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace purzo {

// What a video could not do, in words for the user: the file is no video, is cut off, or holds a
// codec this machine cannot decode.
struct VideoError {
    std::string message;
};

class VideoFile {
public:
    // Decoded frames kept for stepping back and forth; their pixels together stay under this.
    static constexpr std::size_t kCacheBytes = 64u << 20;

    VideoFile();
    ~VideoFile();
    VideoFile(VideoFile&&) noexcept;
    VideoFile& operator=(VideoFile&&) noexcept;

    // Opens the file and reads its packets once (without decoding them) for every frame's time.
    // False with `error` set when it is no video this machine can decode.
    bool open(const std::string& path, VideoError& error);

    bool isOpen() const;
    int width() const;
    int height() const;
    // Frames in display order; frame i (from 0) shows at frameTimesS()[i] seconds, as the file's
    // timestamps say: a variable frame rate keeps each frame's own time.
    const std::vector<double>& frameTimesS() const;
    int frameCount() const { return int(frameTimesS().size()); }
    // Frames per second from the file's times (their mean spacing); 0 below two frames.
    double meanFramesPerSecond() const;
    std::string codecName() const;

    // The frame at `index`, decoded exactly (seeking to the key frame before it when needed).
    // False with `error` set when the file breaks off before it.
    bool readFrame(int index, RgbImage& image, VideoError& error);

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace purzo
