#include "vcl/LinkOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace vcl {
namespace {

class DesktopOpener : public LinkOpenerService {
public:
    void Open(const std::string& target) override {
        QDesktopServices::openUrl(QUrl(QString::fromStdString(target)));
    }
};

LinkOpenerService* current = nullptr;

}  // namespace

void SetLinkOpenerService(LinkOpenerService* service) { current = service; }

void OpenLink(const std::string& target) {
    static DesktopOpener real;
    (current ? *current : static_cast<LinkOpenerService&>(real)).Open(target);
}

}  // namespace vcl
