#pragma once
// The console view's worker: takes requests from the queue, captures them with a console
// program of its own and hands each result to the ConsoleCaptures that asked.

#include <QString>
#include <QThread>

namespace quelbrook {

class CaptureQueue;
class ConsoleCaptures;

class CaptureThread : public QThread {
 public:
  CaptureThread(CaptureQueue& queue, ConsoleCaptures& owner, QString corePath);

 protected:
  void run() override;

 private:
  CaptureQueue& queue_;
  ConsoleCaptures& owner_;
  QString corePath_;
};

}  // namespace quelbrook
