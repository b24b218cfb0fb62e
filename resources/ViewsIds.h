// Identifiers of the editor's views resources, shared by the resource script and the code.
#pragma once
