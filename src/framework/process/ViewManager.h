#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "framework/core/Levels.h"
#include "framework/process/SortOrder.h"
#include "runtime/files/View.h"
#include "runtime/text/FixedText.h"

namespace tallowmere::framework {

class RelationManager;

// Reads one view record by record under one of its sort orders. While it lives it keeps
// the view's files open through their relation managers, and it turns the data layer's
// read results into levels: Benign with a record in the buffer, Notify at the end, Fatal
// after a reported read error.
class ViewManager {
 public:
  ViewManager() = default;
  // Kills the manager when Init ran and Kill did not.
  virtual ~ViewManager();
  ViewManager(const ViewManager&) = delete;
  ViewManager& operator=(const ViewManager&) = delete;

  // Without order, the manager keeps a list of sort orders of its own.
  void Init(runtime::View& view, RelationManager& primary, std::vector<SortOrder>* order = nullptr);
  // Adds an order without a key and makes it the current one; returns the number of orders.
  std::size_t AddSortOrder();
  virtual void SetOrder(std::string_view expression);
  virtual void ApplyFilter();
  virtual void ApplyOrder();
  virtual void Close(std::uint8_t Force = 0);
  virtual void Kill();
  virtual Level Next();
  virtual void Open();
  virtual void Reset(std::uint8_t Locate);
  virtual void Reset() { Reset(0); }
  virtual Record ValidateRecord() { return Record::OK; }

  void UseView();
  void UnUseView();

  std::uint8_t DisposeOrder = 0;
  std::uint8_t Opened = 0;
  std::vector<SortOrder>* Order = nullptr;
  std::uint16_t PagesAhead = 0;
  std::uint16_t PagesBehind = 0;
  std::uint16_t PageSize = 0;
  RelationManager* Primary = nullptr;
  std::uint16_t TimeOut = 0;
  runtime::View* View = nullptr;
  std::optional<std::vector<runtime::LineText>> SavedBuffers;
  std::uint8_t Inited = 0;
  std::uint8_t Killed = 0;
  std::uint8_t Used = 0;

 protected:
  // Reports message id through the primary file's manager.
  Level ThrowThroughPrimary(int id);

 private:
  SortOrder& CurrentOrder();

  std::unique_ptr<std::vector<SortOrder>> ownOrder_;
  std::size_t current_ = 0;
};

}  // namespace tallowmere::framework
