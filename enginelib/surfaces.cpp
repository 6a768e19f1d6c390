#include "surfaces.h"

#include <cstring>
#include <map>
#include <memory>
#include <wincodec.h>

#include "comref.h"

namespace {

class Surface {
public:
    Surface(HBITMAP bitmap, int width, int height)
        : dc_(CreateCompatibleDC(nullptr)), bitmap_(bitmap), width_(width), height_(height) {
        if (dc_) previous_ = SelectObject(dc_, bitmap_);
    }
    ~Surface() {
        if (dc_) {
            SelectObject(dc_, previous_);
            DeleteDC(dc_);
        }
        DeleteObject(bitmap_);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_ = nullptr;
    int width_;
    int height_;
};

std::map<int, std::unique_ptr<Surface>> surfaces;

// COM for the length of one decode. CoInitialize answers S_FALSE when this thread already has
// it, which still needs its CoUninitialize; RPC_E_CHANGED_MODE means the thread runs another
// apartment model, in which the imaging component works as well, and must not be uninitialised.
class ComScope {
public:
    ComScope() : result_(CoInitialize(nullptr)) {}
    ~ComScope() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    bool usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

private:
    HRESULT result_;
};

// The picture as 32-bit BGRA pixels in a new top-down DIB section, or null.
HBITMAP DecodePng(const void* bytes, int length, int& width, int& height) {
    ComScope com;
    if (!com.usable()) return nullptr;
    ComRef<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(factory.out()))))
        return nullptr;
    // A memory stream may be written through; the caller's bytes are read-only, so it gets a copy.
    std::unique_ptr<BYTE[]> copy(new BYTE[length]);
    memcpy(copy.get(), bytes, length);
    ComRef<IWICStream> stream;
    ComRef<IWICBitmapDecoder> decoder;
    ComRef<IWICBitmapFrameDecode> frame;
    ComRef<IWICFormatConverter> converter;
    UINT w = 0, h = 0;
    if (FAILED(factory->CreateStream(stream.out())) ||
        FAILED(stream->InitializeFromMemory(copy.get(), static_cast<DWORD>(length))) ||
        FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                                decoder.out())) ||
        FAILED(decoder->GetFrame(0, frame.out())) || FAILED(factory->CreateFormatConverter(converter.out())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr,
                                     0.0, WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&w, &h)) || w == 0 || h == 0 || w > 16384 || h > 16384)
        return nullptr;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(w);
    info.bmiHeader.biHeight = -static_cast<LONG>(h); // negative: the first row is the top one
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    if (FAILED(converter->CopyPixels(nullptr, w * 4, w * 4 * h, static_cast<BYTE*>(bits)))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return bitmap;
}

const Surface* Find(int surfaceid) {
    auto found = surfaces.find(surfaceid);
    return found == surfaces.end() ? nullptr : found->second.get();
}

} // namespace

bool LoadSurfaceFromPng(int surfaceid, const void* bytes, int length) {
    if (!bytes || length <= 0) return false;
    int width = 0, height = 0;
    HBITMAP bitmap = DecodePng(bytes, length, width, height);
    if (!bitmap) return false;
    auto surface = std::make_unique<Surface>(bitmap, width, height);
    if (!surface->dc()) return false;
    surfaces[surfaceid] = std::move(surface);
    return true;
}

HDC SurfaceDC(int surfaceid) {
    const Surface* surface = Find(surfaceid);
    return surface ? surface->dc() : nullptr;
}

int SurfaceWidth(int surfaceid) {
    const Surface* surface = Find(surfaceid);
    return surface ? surface->width() : 0;
}

int SurfaceHeight(int surfaceid) {
    const Surface* surface = Find(surfaceid);
    return surface ? surface->height() : 0;
}

void DestroyAllSurfaces() { surfaces.clear(); }
