#include "framework/process/ViewManager.h"

#include <string>

#include "framework/core/Assert.h"
#include "framework/files/FileManager.h"
#include "framework/files/FilesManager.h"
#include "framework/files/RelationManager.h"
#include "runtime/files/ErrorState.h"

namespace tallowmere::framework {

namespace {

constexpr int RecordRetrievalError = 1;
constexpr int ViewOpenError = 43;
constexpr std::string_view FilterJoint = " AND ";

}  // namespace

ViewManager::~ViewManager() {
  if (Inited && !Killed) ViewManager::Kill();
}

void ViewManager::Init(runtime::View& view, RelationManager& primary,
                       std::vector<SortOrder>* order) {
  Inited = 1;
  View = &view;
  Primary = &primary;
  if (order) {
    Order = order;
    DisposeOrder = 0;
  } else {
    ownOrder_ = std::make_unique<std::vector<SortOrder>>();
    Order = ownOrder_.get();
    DisposeOrder = 1;
  }
  SavedBuffers.emplace();
  PageSize = 20;
  PagesBehind = 2;
  PagesAhead = 0;
  TimeOut = 60;
  Killed = 0;
  UseView();
}

void ViewManager::UseView() {
  frameworkAssert(View != nullptr, "View manager has not been assigned a view");
  runtime::File& file = View->primaryFile();
  const FileLabel label = FilesManager::GetFileID(file);
  FileManager* fileManager = filesManager().GetFileMapping(label);
  frameworkAssert(fileManager != nullptr,
                  "Unable to obtain file manager for constituent file:" + file.name());
  RelationManager* relationManager = filesManager().GetRelationFileMapping(label);
  frameworkAssert(relationManager != nullptr,
                  "Unable to obtain relation manager for constituent file:" + file.name());
  relationManager->Open();
  Used = 1;
  fileManager->UseFile(UseType::Uses);
}

void ViewManager::UnUseView() {
  frameworkAssert(View != nullptr, "View manager has not been assigned a view");
  if (!Used) return;
  const FileLabel label = FilesManager::GetFileID(View->primaryFile());
  if (RelationManager* relationManager = filesManager().GetRelationFileMapping(label)) {
    relationManager->Close();
  }
  Used = 0;
}

std::size_t ViewManager::AddSortOrder() {
  frameworkAssert(Order != nullptr, "View does not have any sort orders defined");
  Order->emplace_back();
  current_ = Order->size() - 1;
  SetOrder({});
  return Order->size();
}

SortOrder& ViewManager::CurrentOrder() {
  frameworkAssert(Order != nullptr && current_ < Order->size(),
                  "View does not have any sort orders defined");
  return (*Order)[current_];
}

void ViewManager::SetOrder(std::string_view expression) {
  SortOrder& order = CurrentOrder();
  order.OrderExpression.clear();
  if (!runtime::clip(expression).empty()) order.OrderExpression = expression;
}

Level ViewManager::ThrowThroughPrimary(int id) {
  return Primary->Me->Throw(id);
}

void ViewManager::Open() {
  if (!Opened) {
    frameworkAssert(Order != nullptr && !Order->empty(), "At least 1 view order must be specified");
    const int error = View->open();
    if (error == runtime::ErrorCode::NoError) {
      Opened = 1;
    } else if (error != runtime::ErrorCode::FileAlreadyOpen) {
      ThrowThroughPrimary(ViewOpenError);
    }
    View->setBufferHint(PageSize, PagesBehind, PagesAhead, TimeOut);
  }
  ApplyOrder();
  ApplyFilter();
}

void ViewManager::ApplyOrder() {
  if (View->setOrder(CurrentOrder().OrderExpression) != runtime::ErrorCode::NoError) {
    ThrowThroughPrimary(ViewOpenError);
  }
}

void ViewManager::ApplyFilter() {
  const SortOrder& order = CurrentOrder();
  std::string expression;
  auto join = [&expression](const std::string& condition) {
    if (!expression.empty()) expression += FilterJoint;
    expression += condition;
  };
  for (const std::string& limit : order.RangeLimits) join(limit);
  for (const std::string& filter : order.Filters) join(filter);
  View->setFilter(expression);
}

void ViewManager::Reset(std::uint8_t) {
  Open();
  if (View->setStart() != runtime::ErrorCode::NoError) ThrowThroughPrimary(ViewOpenError);
}

Level ViewManager::Next() {
  for (;;) {
    const int error = View->next();
    if (error == runtime::ErrorCode::RecordNotAvailable) return Level::Notify;
    if (error != runtime::ErrorCode::NoError) {
      ThrowThroughPrimary(RecordRetrievalError);
      return Level::Fatal;
    }
    switch (ValidateRecord()) {
      case Record::OK:
        return Level::Benign;
      case Record::OutOfRange:
        return Level::Notify;
      case Record::Filtered:
        break;
    }
  }
}

void ViewManager::Close(std::uint8_t Force) {
  if (!Opened && !Force) return;
  View->close();
  Opened = 0;
}

void ViewManager::Kill() {
  if (!Inited || Killed) return;
  if (Order) {
    for (SortOrder& order : *Order) order = SortOrder{};
  }
  ownOrder_.reset();
  Order = nullptr;
  SavedBuffers.reset();
  Close();
  UnUseView();
  Killed = 1;
}

}  // namespace tallowmere::framework
