#pragma once

#include <windows.h>

#include <unknwn.h>

namespace zor {

// What every COM object here shares: the reference count, the end in its own
// Release, and a QueryInterface that hands out `Interface` for IUnknown, for
// itself and for each of `AlsoAnswers`, interfaces it derives from or
// identities of its own, and nothing else. A COM object is never deleted
// through an interface, whose destructor COM leaves non-virtual.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
template <class Interface, class... AlsoAnswers>
class ComObject : public Interface {
 public:
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (object == nullptr) {
      return E_POINTER;
    }
    if (id == __uuidof(IUnknown) || id == __uuidof(Interface) ||
        ((id == __uuidof(AlsoAnswers)) || ...)) {
      *object = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
  }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
      delete this;
    }
    return static_cast<ULONG>(left);
  }

 protected:
  ComObject() = default;
  virtual ~ComObject() = default;

 private:
  LONG references_ = 1;
};
#pragma GCC diagnostic pop

}  // namespace zor
