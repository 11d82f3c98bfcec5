#pragma once

// Forward declarations of the circuit model and of the netlist classes it refers to.

class TCircuitDocument;
class DocumentListener;
class ParameterDialogs;
class EditAction;

class labelUnit;
class textDouble;
class VString;

class CircThing;
class CircTool;
class TextBlock;
class Component;
class Wire;
class Grounder;
class PassComp;
class Resistor;
class Capacitor;
class Inductor;
class IndepSource;
class VoltSource;
class CurrSource;
class DepSource;
class DepVoltSource;
class DepCurrSource;
class TagDepcy;
class CircTag;
class VoltageTag;
class CurrentTag;

class Message;

// The netlist (built by the compile) owns its end points; circuit objects only point to them.
class EndPoint;
