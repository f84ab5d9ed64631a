#pragma once

namespace vantrel {

// A running fade as the component holds it.
class FadeWorker {
 public:
  virtual ~FadeWorker() = default;
  // GUI thread only. From now on the fade touches the component no more and
  // stops soon; the worker still ends and frees itself on its own.
  virtual void Abandon() = 0;

 protected:
  FadeWorker() = default;
  FadeWorker(const FadeWorker&) = delete;
  FadeWorker& operator=(const FadeWorker&) = delete;
};

}  // namespace vantrel
