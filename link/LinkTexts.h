// The language texts of the radio link, its serial adapter and its windows, by number.
#pragma once

namespace k7x {

// Transfers.
inline constexpr int kTextPortCannotOpen = 9003;  // also when the port is lost midway
inline constexpr int kTextConfirmRead = 9004;     // the radio's data replaces the document
inline constexpr int kTextConfirmWrite = 9005;
inline constexpr int kTextTransferCompleteBase = 9008;  // + operation: 9009 read, 9010 write
inline constexpr int kTextProgressCaptionBase = 9026;   // + operation: 9027 read, 9028 write
inline constexpr int kTextProgressLabel = 9029;         // in front of the percentage
inline constexpr int kTextCountryModeMismatch = 9030;   // the radio's mode differs: nothing written
inline constexpr int kTextBackupNotKept = 9200;         // the transfer goes on without a copy

// Comparing the document with the radio, before a write and after it.
inline constexpr int kTextRadioHoldsDocument = 9485;
inline constexpr int kTextWrittenAndChecked = 9486;
inline constexpr int kTextWriteDidNotTake = 9487;    // the addresses of the blocks that differ
inline constexpr int kTextWriteTheseChanges = 9488;  // the question after the list of changes
inline constexpr int kTextWriteAnyway = 9489;        // the radio already holds the document
inline constexpr int kTextNothingWritten = 9490;
inline constexpr int kTextTheRadio = 9491;        // the radio's side of a difference
inline constexpr int kTextOnlyInDocument = 9492;  // channel
inline constexpr int kTextOnlyInRadio = 9493;     // channel
inline constexpr int kTextRadioDiffTitle = 9494;
inline constexpr int kTextWriteAgain = 9495;  // after the list of what the radio did not take
inline constexpr int kTextWriteButton = 9496;
inline constexpr int kTextWriteWillChange = 9497;   // heading of the list before a write
inline constexpr int kTextRadioDiffHeading = 9498;  // heading of the list after a comparison

// Where the radio stopped answering and what usually helps; the question adds "Try again?".
inline constexpr int kTextNoHandshakeAnswer = 9031;      // cable in the socket, power, port
inline constexpr int kTextStoppedAfterHandshake = 9032;  // the link was lost before the data
inline constexpr int kTextStoppedAtBlock = 9033;         // block number, block count
inline constexpr int kTextBlockRefused = 9034;           // block number, block count: line noise
inline constexpr int kTextTryAgain = 9035;
inline constexpr int kTextPortCheckFound = 9036;  // heading of the port check's findings

// The serial device and why it cannot be opened.
inline constexpr int kTextSerialDevice = 9100;   // "Device: %1"
inline constexpr int kTextCheckNoDevice = 9101;  // the device does not exist
inline constexpr int kTextAccessDenied = 9102;   // owner, group
inline constexpr int kTextCheckBusy = 9103;      // another program holds the device
inline constexpr int kTextMissingPort = 9104;    // port number: no device is there
inline constexpr int kTextDeviceNotOpened = 9105;
inline constexpr int kTextNoSerialPorts = 9106;
inline constexpr int kTextPortDevice = 9107;  // "Port %1: %2"
inline constexpr int kTextPortName = 9108;    // "Port %1 (%2)"
inline constexpr int kTextDeviceDisconnected = 9170;
inline constexpr int kTextDeviceReadFailed = 9171;
inline constexpr int kTextDeviceWriteFailed = 9172;
// An adapter in the list of ports: its maker and product, then its serial number.
inline constexpr int kTextAdapterSerial = 9500;

// What a port check found.
inline constexpr int kTextCheckLinkTarget = kTextSerialDevice;  // the device a link leads to
inline constexpr int kTextCheckUsbAdapter = 9401;       // vendor id, product id, maker and product
inline constexpr int kTextCheckSerialNumber = 9402;     // serial number
inline constexpr int kTextCheckDriver = 9403;           // driver
inline constexpr int kTextCheckMayOpen = 9404;          // user
inline constexpr int kTextCheckMayNotOpen = 9405;       // user, owner, group, mode
inline constexpr int kTextCheckOwnerMode = 9406;        // mode
inline constexpr int kTextCheckNotInGroup = 9407;       // group
inline constexpr int kTextCheckGroupNotInLogin = 9408;  // group
inline constexpr int kTextCheckRootGroup = 9409;
inline constexpr int kTextCheckModeShutsOut = 9410;  // mode
inline constexpr int kTextCheckHolder = 9411;        // process id, program name
inline constexpr int kTextCheckNoHolder = 9412;
inline constexpr int kTextCheckHoldersHidden = 9413;
inline constexpr int kTextCheckModemManager = 9414;  // process id
inline constexpr int kTextCheckBrltty = 9415;        // process id
inline constexpr int kTextCheckLowLatencyNone = 9416;
inline constexpr int kTextCheckLowLatencyOn = 9417;
inline constexpr int kTextCheckLowLatencySwitchable = 9418;
inline constexpr int kTextCheckLowLatencyUnknown = 9419;
inline constexpr int kTextCheckFix = 9420;  // the command
inline constexpr int kTextCheckNoneOfThoseRunning = 9421;

// The radio information window.
inline constexpr int kTextRadioInfoCaption = 21000;
inline constexpr int kTextRadioInfoDealerFrame = 21001;
inline constexpr int kTextRadioInfoSalesArea = 21002;
inline constexpr int kTextRadioInfoBatch = 21003;  // production batch number
inline constexpr int kTextRadioInfoCustomer = 21004;
inline constexpr int kTextRadioInfoModel = 21005;
inline constexpr int kTextRadioInfoBand = 21006;
inline constexpr int kTextRadioInfoSerialNumber = 21007;
inline constexpr int kTextRadioInfoMade = 21008;      // date of manufacture
inline constexpr int kTextRadioInfoRepaired = 21009;  // date of repair
inline constexpr int kTextRadioInfoVersion = 21010;
inline constexpr int kTextRadioInfoRepairReason = 21011;  // first line
inline constexpr int kTextRadioInfoRepairReason2 = 21012;
// + i: 21013 dealer code, 21014 date into stock, 21015 date of sale, 21016 handled by.
inline constexpr int kTextRadioInfoDealerLabel = 21013;

// The port dialog.
inline constexpr int kTextPortCaption = 22000;
inline constexpr int kTextPortFrame = 22001;
inline constexpr int kTextPortPrefix = 22002;  // followed directly by the port number
inline constexpr int kTextCheckPort = 22003;
inline constexpr int kTextFindings = 22004;
// The name a port's adapter is found again by after a replug (its by-id link).
inline constexpr int kTextPortKnownBy = 22010;

}  // namespace k7x
