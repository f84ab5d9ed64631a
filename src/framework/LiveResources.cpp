#include "framework/LiveResources.h"

#include <atomic>
#include <cstddef>

namespace vantrel {
namespace {

std::atomic<long> counts[static_cast<std::size_t>(LiveResource::kCount)];

std::atomic<long>& CounterOf(LiveResource kind) { return counts[static_cast<std::size_t>(kind)]; }

}  // namespace

void LiveResources::Acquired(LiveResource kind) { ++CounterOf(kind); }

void LiveResources::Released(LiveResource kind) { --CounterOf(kind); }

long LiveResources::Count(LiveResource kind) { return CounterOf(kind).load(); }

}  // namespace vantrel
