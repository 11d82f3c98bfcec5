#include "toolstestsupport.h"

#include <tools/persistentclasses.h>

void registerClassesForTests()
{
    registerPersistentClasses();
}
