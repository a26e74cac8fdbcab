// One field list serves both directions of a stored record's byte image.
#pragma once

#include <cstdint>

#include "lexcore/rtl/lx_byteimage.h"

namespace lx {

struct TImagePut {
  TByteImageWriter& w;
  template <typename T>
  void operator()(const T& v) {
    w.Put(v);
  }
};

struct TImageGet {
  TByteImageReader& r;
  template <typename T>
  void operator()(T& v) {
    r.Get(v);
  }
};

// Fields(io, rec) names the record's stored fields in order; io is TImagePut or TImageGet.
template <typename Image, typename Rec, typename Fields>
Image RecordToImage(const Rec& rec, Fields fields) {
  Image image;
  TByteImageWriter w(image.data(), image.size());
  TImagePut put{w};
  fields(put, rec);
  return image;
}

template <typename Rec, typename Image, typename Fields>
void RecordFromImage(const Image& image, Rec& rec, Fields fields) {
  TByteImageReader r(image.data(), image.size());
  TImageGet get{r};
  fields(get, rec);
}

}  // namespace lx
