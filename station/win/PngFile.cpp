#include "station/win/PngFile.h"

#include "common/win/Windows.h"

#include <wincodec.h>

#include "common/win/Handle.h"

namespace vantor {
namespace {

// `opened` tells whether the file was created (or emptied) before a later step failed.
bool Encode(IWICImagingFactory* factory, const std::wstring& path, const BgrImage& image, bool& opened) {
  auto stream = ComCreate<IWICStream>([&](IWICStream** p) { return factory->CreateStream(p); });
  if (!stream || FAILED(stream.Get()->InitializeFromFilename(path.c_str(), GENERIC_WRITE))) return false;
  opened = true;
  auto encoder = ComCreate<IWICBitmapEncoder>(
      [&](IWICBitmapEncoder** p) { return factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, p); });
  if (!encoder || FAILED(encoder.Get()->Initialize(stream.Get(), WICBitmapEncoderNoCache))) return false;
  auto frame = ComCreate<IWICBitmapFrameEncode>(
      [&](IWICBitmapFrameEncode** p) { return encoder.Get()->CreateNewFrame(p, nullptr); });
  if (!frame || FAILED(frame.Get()->Initialize(nullptr))) return false;
  if (FAILED(frame.Get()->SetSize(static_cast<UINT>(image.width), static_cast<UINT>(image.height)))) return false;
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  if (FAILED(frame.Get()->SetPixelFormat(&format)) || format != GUID_WICPixelFormat24bppBGR) return false;
  const UINT size = static_cast<UINT>(image.stride) * static_cast<UINT>(image.height);
  if (FAILED(frame.Get()->WritePixels(static_cast<UINT>(image.height), static_cast<UINT>(image.stride), size,
                                      const_cast<BYTE*>(image.bits)))) {
    return false;
  }
  return SUCCEEDED(frame.Get()->Commit()) && SUCCEEDED(encoder.Get()->Commit());
}

}  // namespace

bool WritePng(const std::wstring& path, const BgrImage& image) {
  if (!image.bits || image.width <= 0 || image.height <= 0) return false;
  auto factory = ComCreate<IWICImagingFactory>([](IWICImagingFactory** p) {
    return ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              reinterpret_cast<void**>(p));
  });
  if (!factory) return false;
  bool opened = false;
  if (Encode(factory.Get(), path, image, opened)) return true;
  // The stream is closed by now; a file it began is no picture.
  if (opened) ::DeleteFileW(path.c_str());
  return false;
}

}  // namespace vantor
