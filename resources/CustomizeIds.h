// Identifiers of the editor's customize resources, shared by the resource script and the code.
#pragma once
