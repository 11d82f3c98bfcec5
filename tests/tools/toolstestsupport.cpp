#include "toolstestsupport.h"

#include <model/persistentclasses.h>

void registerClassesForTests()
{
    registerPersistentClasses();
}
