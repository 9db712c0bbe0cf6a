// COM with OLE on the user-interface thread for as long as the object lives: the imaging
// component of the captures, the shell's folder browser and the common file dialogs need it.
#pragma once

#include "common/win/Windows.h"

#include <ole2.h>

namespace vantor {

class OleApartment {
 public:
  OleApartment() : result_(::OleInitialize(nullptr)) {}
  OleApartment(const OleApartment&) = delete;
  OleApartment& operator=(const OleApartment&) = delete;
  ~OleApartment() {
    if (SUCCEEDED(result_)) ::OleUninitialize();  // S_FALSE too: every success is paired
  }

 private:
  HRESULT result_;
};

}  // namespace vantor
