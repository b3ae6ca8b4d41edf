#pragma once
// Hands a web address or a mail link to the desktop's opener. A replaceable
// service, so that tests see every address. Failures are not reported.

#include <string>

namespace vcl {

class LinkOpenerService {
public:
    virtual ~LinkOpenerService() = default;
    virtual void Open(const std::string& target) = 0;
};

// nullptr puts the desktop's opener back.
void SetLinkOpenerService(LinkOpenerService* service);
void OpenLink(const std::string& target);

}  // namespace vcl
