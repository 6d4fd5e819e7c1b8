// The notification seam: a short message on the desktop (a summary and a body) that does not
// take the focus. The program's is DesktopNotifier (platform/qt); tests record what is said.
#pragma once

#include <string>

namespace salvenor {

class Notifier {
  public:
    virtual ~Notifier() = default;
    // Shown where the desktop can show it; where it cannot, nothing happens.
    virtual void notify(const std::string& summary, const std::string& body) = 0;
};

}  // namespace salvenor
