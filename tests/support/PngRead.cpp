#include "tests/support/PngRead.h"

#include "common/win/Windows.h"

#include <wincodec.h>

#include "common/win/Handle.h"

namespace vantor::test {

ComScope::ComScope() : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
ComScope::~ComScope() {
  if (SUCCEEDED(result_)) ::CoUninitialize();
}

std::optional<DecodedPng> ReadPng(const std::wstring& path) {
  auto factory = ComCreate<IWICImagingFactory>([](IWICImagingFactory** p) {
    return ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              reinterpret_cast<void**>(p));
  });
  if (!factory) return std::nullopt;
  auto decoder = ComCreate<IWICBitmapDecoder>([&](IWICBitmapDecoder** p) {
    return factory.Get()->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                    WICDecodeMetadataCacheOnDemand, p);
  });
  if (!decoder) return std::nullopt;
  GUID format{};
  if (FAILED(decoder.Get()->GetContainerFormat(&format)) || format != GUID_ContainerFormatPng) return std::nullopt;
  auto frame = ComCreate<IWICBitmapFrameDecode>([&](IWICBitmapFrameDecode** p) { return decoder.Get()->GetFrame(0, p); });
  auto converter = ComCreate<IWICFormatConverter>([&](IWICFormatConverter** p) { return factory.Get()->CreateFormatConverter(p); });
  if (!frame || !converter) return std::nullopt;
  if (FAILED(converter.Get()->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr,
                                         0.0, WICBitmapPaletteTypeCustom))) {
    return std::nullopt;
  }
  UINT width = 0, height = 0;
  converter.Get()->GetSize(&width, &height);
  DecodedPng png;
  png.width = static_cast<int>(width);
  png.height = static_cast<int>(height);
  png.pixels.resize(static_cast<std::size_t>(width) * height);
  if (FAILED(converter.Get()->CopyPixels(nullptr, width * 4, static_cast<UINT>(png.pixels.size() * 4),
                                         reinterpret_cast<BYTE*>(png.pixels.data())))) {
    return std::nullopt;
  }
  for (auto& p : png.pixels) p &= 0xFFFFFF;
  return png;
}

}  // namespace vantor::test
