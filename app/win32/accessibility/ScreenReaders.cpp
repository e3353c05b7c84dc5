#include "app/win32/accessibility/ScreenReaders.h"

#include "app/win32/LogView.h"
#include "app/win32/accessibility/Bstr.h"
#include "app/win32/accessibility/LogViewAccessible.h"
#include "app/win32/accessibility/UiaCore.h"
#include "app/win32/accessibility/UiaProvider.h"

#include <algorithm>

namespace zor {

namespace {

constexpr int kTextChangedEvent = 20015;     // UIA_Text_TextChangedEventId
constexpr int kItemAdded = 0;                // NotificationKind_ItemAdded
constexpr int kProcessAll = 2;               // NotificationProcessing_All
constexpr PROPERTYID kNameProperty = 30005;  // UIA_NamePropertyId

}  // namespace

ScreenReaders::~ScreenReaders() {
  if (msaa_ != nullptr) {
    msaa_->disconnect();
    msaa_->Release();
  }
  if (uia_ != nullptr) {
    uia_->disconnect();
    uia_->Release();
  }
}

// The object id comes as a 32-bit number, widened either way.
LRESULT ScreenReaders::answer(WPARAM flags, LPARAM lParam) {
  const LONG objectId = static_cast<LONG>(lParam);
  if (objectId == OBJID_CLIENT) {
    if (msaa_ == nullptr) {
      msaa_ = new LogViewAccessible(view_);
    }
    return LresultFromObject(__uuidof(IAccessible), flags, msaa_);
  }
  if (objectId == kUiaRootObjectId) {
    const auto give = uiaFunction<UiaReturnRawElementProviderFn>("UiaReturnRawElementProvider");
    if (give == nullptr) {
      return 0;
    }
    if (uia_ == nullptr) {
      uia_ = new UiaProvider(view_);
    }
    return give(view_.handle(), flags, lParam, uia_);
  }
  return 0;
}

// New text is announced as it came; a rewritten log only as changed.
void ScreenReaders::changed(const TextChange& change) {
  if (change.kind == TextChange::Kind::None) {
    return;
  }
  NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, view_.handle(), OBJID_CLIENT, CHILDID_SELF);
  const auto listening = uiaFunction<UiaClientsAreListeningFn>("UiaClientsAreListening");
  if (uia_ == nullptr || listening == nullptr || !listening()) {
    return;
  }
  if (const auto raise = uiaFunction<UiaRaiseAutomationEventFn>("UiaRaiseAutomationEvent")) {
    raise(uia_, kTextChangedEvent);
  }
  const auto notify = uiaFunction<UiaRaiseNotificationEventFn>("UiaRaiseNotificationEvent");
  if (notify == nullptr || change.kind != TextChange::Kind::Inserted) {
    return;
  }
  const std::u16string_view text = view_.logText();
  const std::size_t end = std::min(change.range.end, text.size());
  const std::size_t begin = std::min(change.range.begin, end);
  BSTR said = bstrOf(text.substr(begin, end - begin));
  BSTR activity = bstrOf(u"ZorLogOutput");
  notify(uia_, kItemAdded, kProcessAll, said, activity);
  SysFreeString(activity);
  SysFreeString(said);
}

void ScreenReaders::renamed() {
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, view_.handle(), OBJID_CLIENT, CHILDID_SELF);
  const auto listening = uiaFunction<UiaClientsAreListeningFn>("UiaClientsAreListening");
  const auto raise = uiaFunction<UiaRaiseAutomationPropertyChangedEventFn>(
      "UiaRaiseAutomationPropertyChangedEvent");
  if (uia_ == nullptr || listening == nullptr || !listening() || raise == nullptr) {
    return;
  }
  VARIANT before{};
  VARIANT now{};
  now.vt = VT_BSTR;
  const std::u16string name = view_.name();
  now.bstrVal = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(name.data()),
                                  static_cast<UINT>(name.size()));
  raise(uia_, kNameProperty, before, now);
  VariantClear(&now);
}

}  // namespace zor
