// Qt's own texts in Chinese: the standard buttons and the file dialogs read 确定, 取消, 打开, 保存.
#pragma once

class QCoreApplication;

namespace wallui {

// Loads qtbase_zh_CN from Qt's translations folder into `app`, once per application; false when
// the file is not installed (Qt then keeps its English texts).
bool InstallQtTranslations(QCoreApplication& app);

}  // namespace wallui
