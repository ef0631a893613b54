#include "port/sdl/ImageDecode.h"

// Third-party single-header code: its own warnings are not ours to fix.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wsign-compare"
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#include <stb_image.h>
#pragma GCC diagnostic pop

#include <condition_variable>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

bool DecodeNow(const std::string& path, int& width, int& height, std::vector<uint8_t>& rgba)
{
    int w = 0, h = 0, channels = 0;
    stbi_uc* data = stbi_load(path.c_str(), &w, &h, &channels, 4);
    if (!data)
        return false;
    if (w <= 0 || h <= 0) {
        stbi_image_free(data);
        return false;
    }
    rgba.assign(data, data + size_t(w) * size_t(h) * 4);
    stbi_image_free(data);
    width = w;
    height = h;
    return true;
}

std::string Normal(const std::string& path) { return std::filesystem::path(path).lexically_normal().string(); }

// One listed file and, once the worker is past it, its picture.
struct Prefetched {
    std::string path;
    bool done = false;
    bool ok = false;
    bool taken = false;
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;
};

// Decodes a list of files on a worker thread ahead of the callers that will want them.
class ImagePrefetch {
public:
    ~ImagePrefetch() { Stop(); }

    void Start(const std::vector<std::string>& paths)
    {
        Stop();
        std::lock_guard<std::mutex> lock(mutex_);
        for (const std::string& p : paths) {
            items_.emplace_back();
            items_.back().path = Normal(p);
        }
        stop_ = false;
        try {
            worker_ = std::thread(&ImagePrefetch::Run, this);
        } catch (const std::system_error&) {
            items_.clear(); // no thread: every picture is decoded where it is asked for
        }
    }

    // The listed picture of this path, waited for if need be; false when the file is not
    // listed (or handed out already) or could not be decoded.
    bool Take(const std::string& path, int& width, int& height, std::vector<uint8_t>& rgba)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        if (items_.empty())
            return false;
        const std::string wanted = Normal(path);
        for (Prefetched& item : items_) {
            if (item.taken || item.path != wanted)
                continue;
            ready_.wait(lock, [&item] { return item.done; });
            item.taken = true;
            if (!item.ok)
                return false;
            width = item.width;
            height = item.height;
            rgba = std::move(item.rgba);
            return true;
        }
        return false;
    }

    void Stop()
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        if (worker_.joinable())
            worker_.join();
        std::lock_guard<std::mutex> lock(mutex_);
        items_.clear();
    }

private:
    void Run()
    {
        // The list does not change while this runs: only Stop clears it, after the join.
        for (size_t i = 0;; ++i) {
            std::string path;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (i >= items_.size())
                    return;
                if (stop_) {
                    for (; i < items_.size(); ++i)
                        items_[i].done = true;
                    ready_.notify_all();
                    return;
                }
                path = items_[i].path;
            }
            int w = 0, h = 0;
            std::vector<uint8_t> rgba;
            const bool ok = DecodeNow(path, w, h, rgba);
            std::lock_guard<std::mutex> lock(mutex_);
            Prefetched& item = items_[i];
            item.ok = ok;
            item.width = w;
            item.height = h;
            item.rgba = std::move(rgba);
            item.done = true;
            ready_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable ready_;
    std::vector<Prefetched> items_;
    bool stop_ = false;
    std::thread worker_;
};

ImagePrefetch& Prefetcher()
{
    static ImagePrefetch prefetch;
    return prefetch;
}

} // namespace

bool DecodeImageFile(const std::string& path, int& width, int& height, std::vector<uint8_t>& rgba)
{
    return Prefetcher().Take(path, width, height, rgba) || DecodeNow(path, width, height, rgba);
}

void PrefetchImageFiles(const std::vector<std::string>& paths) { Prefetcher().Start(paths); }

void StopImagePrefetch() { Prefetcher().Stop(); }
