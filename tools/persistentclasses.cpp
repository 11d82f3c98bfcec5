#include "persistentclasses.h"

#include <algebra/algebrastreamables.h>
#include <model/modelstreamables.h>
#include <tools/toolstreamables.h>

#include <mutex>

void registerPersistentClasses()
{
    static std::once_flag registered;
    std::call_once(registered, [] {
        registerAlgebraStreamables();
        registerModelStreamables();
        registerToolStreamables();
    });
}
