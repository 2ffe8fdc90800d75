// "ADM Icon Suite", versions 1 and 2: icons of the plug-in's resources,
// resources/icons/<id>_<index>.png. A missing icon still gets a handle; its
// type reads kIconUnknown and it draws as the placeholder.
#include "dialogs/dialog_manager.h"
#include "dialogs/images.h"
#include "frame/resources.h"

namespace drawhost {

namespace {

IconRef GetFromResource(PluginRef plugin, int32_t iconId, int32_t index) {
    auto icon = std::make_unique<DlgIcon>();
    icon->handle = DlgNewHandle();
    icon->resourceId = iconId;
    icon->index = index;
    std::string path = DlgIconPath(plugin, iconId, index);
    if (!path.empty() && DlgPngSize(path, &icon->width, &icon->height)) {
        icon->path = path;
        icon->type = kIconPNG;
    } else {
        icon->width = icon->height = 0;
        // A missing or unreadable file is reported by the frame; this one opened but is no picture.
        if (LoadedPlugin* p = HostPluginOf(plugin); p && !path.empty())
            HostResourceRefused(*p, "icons/" + std::to_string(iconId) + "_" + std::to_string(index) + ".png",
                                "not a PNG image");
    }
    DlgHandle h = icon->handle;
    TheDlgState().icons.Add(std::move(icon));
    return DlgRefOf<IconRef>(h);
}

void Destroy(IconRef icon) { TheDlgState().icons.Remove(DlgHandleOf(icon)); }

int32_t GetType(IconRef icon) {
    DlgIcon* i = DlgFind(icon);
    return i ? i->type : kIconUnknown;
}
int32_t GetWidth(IconRef icon) {
    DlgIcon* i = DlgFind(icon);
    return i ? i->width : 0;
}
int32_t GetHeight(IconRef icon) {
    DlgIcon* i = DlgFind(icon);
    return i ? i->height : 0;
}
int32_t GetResourceID(IconRef icon) {
    DlgIcon* i = DlgFind(icon);
    return i ? i->resourceId : 0;
}

const DlgIconSuite kSuite1 = {GetFromResource, Destroy, GetType, GetWidth, GetHeight};
const DlgIconSuite2 kSuite2 = {GetFromResource, Destroy, GetType, GetWidth, GetHeight, GetResourceID};
SuiteRegistrar registrar1(kDlgIconSuiteName, kDlgIconSuiteVersion1, &kSuite1);
SuiteRegistrar registrar2(kDlgIconSuiteName, kDlgIconSuiteVersion2, &kSuite2);

}  // namespace

}  // namespace drawhost
