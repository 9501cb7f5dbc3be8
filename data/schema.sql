-- Account database schema (SQLite).
--
-- Conventions: text columns are TEXT COLLATE NOCASE (the connection registers a NOCASE
-- that also ignores trailing blanks); yes/no columns are BIT (read back as Booleans);
-- amounts, rates and marks are REAL; dates are DATETIME holding 'YYYY-MM-DD' or
-- 'YYYY-MM-DD HH:MM:SS' text. Column names follow the program's SQL exactly.

---------------------------------------------------------------------------------------
-- Parameters and options
---------------------------------------------------------------------------------------

-- One system parameter per category and key, value kept as text.
CREATE TABLE t_SystemProfile (
    FCategory   TEXT COLLATE NOCASE NOT NULL,
    FKey        TEXT COLLATE NOCASE NOT NULL,
    FValue      TEXT COLLATE NOCASE,
    FReadonly   INTEGER NOT NULL DEFAULT 0,
    FLevel      INTEGER NOT NULL DEFAULT 1,
    FSort       REAL,
    FDescription TEXT COLLATE NOCASE,
    PRIMARY KEY (FCategory, FKey)
);
CREATE INDEX ix_SystemProfile_Key ON t_SystemProfile (FKey);

-- Module option definitions: option group (sheet), key, default value, order and captions.
CREATE TABLE icsystemprofile (
    FID         INTEGER NOT NULL,
    FCategory   TEXT COLLATE NOCASE NOT NULL,
    FKey        TEXT COLLATE NOCASE NOT NULL,
    FValue      TEXT COLLATE NOCASE,
    FIndex      INTEGER NOT NULL DEFAULT 0,
    FCaption    TEXT COLLATE NOCASE,
    FCaption_CHT TEXT COLLATE NOCASE,
    FCaption_EN TEXT COLLATE NOCASE,
    FType       SMALLINT NOT NULL DEFAULT 0,   -- 0 check box (1/0), 1 whole number, 2 decimal,
                                               -- 3 text, 4 list, 5 check box (True/False),
                                               -- 6 button opening a dialog
    FList       TEXT COLLATE NOCASE,           -- list items of a list option, separated by '|'
    FMin        REAL,                          -- limits of number options (NULL: none)
    FMax        REAL,
    PRIMARY KEY (FID, FCategory, FKey)
);
CREATE INDEX ix_icsystemprofile_Key ON icsystemprofile (FKey, FIndex);

-- Per-user override of a module option.
CREATE TABLE QMUserOption (
    FUserID     INTEGER NOT NULL,
    FKey        TEXT COLLATE NOCASE NOT NULL,
    FValue      TEXT COLLATE NOCASE,
    PRIMARY KEY (FUserID, FKey)
);

-- Currencies with their exchange rate to the base currency.
CREATE TABLE t_Currency (
    FCurrencyID INTEGER PRIMARY KEY,
    FNumber     TEXT COLLATE NOCASE NOT NULL UNIQUE,
    FName       TEXT COLLATE NOCASE NOT NULL,
    FExchangeRate REAL NOT NULL DEFAULT 1,
    FOperator   TEXT COLLATE NOCASE NOT NULL DEFAULT '*',
    FScale      SMALLINT NOT NULL DEFAULT 2
);

-- Accounting period calendar: start and last day of every period of every year.
CREATE TABLE t_PeriodDate (
    FYear       INTEGER NOT NULL,
    FPeriod     INTEGER NOT NULL,
    FStartDate  DATETIME NOT NULL,
    FEndDate    DATETIME NOT NULL,
    PRIMARY KEY (FYear, FPeriod)
);
CREATE INDEX ix_PeriodDate_Start ON t_PeriodDate (FStartDate);

---------------------------------------------------------------------------------------
-- Bills: numbering, print limits, bill types, accounts, voucher groups
---------------------------------------------------------------------------------------

-- Numbering settings and approval options of each bill.
CREATE TABLE ICBillNo (
    FBillID     INTEGER PRIMARY KEY,
    FBillName   TEXT COLLATE NOCASE NOT NULL,
    FBillName_CHT TEXT COLLATE NOCASE,
    FBillName_EN TEXT COLLATE NOCASE,
    FDesc       TEXT COLLATE NOCASE,            -- readable picture of the numbering rule
    FPreLetter  TEXT COLLATE NOCASE,
    FCurNo      INTEGER NOT NULL DEFAULT 0,
    FSufLetter  TEXT COLLATE NOCASE,
    FFormat     TEXT COLLATE NOCASE,
    FCanAlterBillNo  SMALLINT NOT NULL DEFAULT 1,
    FCheckAfterSave  SMALLINT NOT NULL DEFAULT 0,
    FUseBillCodeRule SMALLINT NOT NULL DEFAULT 0,
    FSingleApproval  SMALLINT NOT NULL DEFAULT 1,   -- 2: the option does not apply
    FSingleUnApproval SMALLINT NOT NULL DEFAULT 1,  -- 2: the option does not apply
    FEditSelfBill    SMALLINT NOT NULL DEFAULT 0,   -- 2: the option does not apply
    FPos        INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX ix_ICBillNo_Pos ON ICBillNo (FPos);

-- Print-count limits per bill.
CREATE TABLE ICPrintMaxCount (
    FID         INTEGER PRIMARY KEY,
    FName       TEXT COLLATE NOCASE NOT NULL,
    FName_CHT   TEXT COLLATE NOCASE,
    FName_EN    TEXT COLLATE NOCASE,
    FPrintControlOrNo BIT NOT NULL DEFAULT 0,
    FPrintMaxCount INTEGER NOT NULL DEFAULT 0,
    FPrintAfterCheck INTEGER NOT NULL DEFAULT 0,   -- 1 yes, 0 no, -1 does not apply
    FPos        INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX ix_ICPrintMaxCount_Pos ON ICPrintMaxCount (FPos);

-- Chart of accounts.
CREATE TABLE t_Account (
    FAccountID  INTEGER PRIMARY KEY,
    FNumber     TEXT COLLATE NOCASE NOT NULL UNIQUE,
    FName       TEXT COLLATE NOCASE NOT NULL,
    FParentID   INTEGER NOT NULL DEFAULT 0,
    FLevel      SMALLINT NOT NULL DEFAULT 1,
    FDetail     BIT NOT NULL DEFAULT 1,
    FDC         SMALLINT NOT NULL DEFAULT 1        -- balance direction: 1 debit, -1 credit
);

-- Bill types (system-defined and user-defined), each optionally bound to an account.
CREATE TABLE ICBillType (
    FID         INTEGER PRIMARY KEY,
    FNumber     TEXT COLLATE NOCASE NOT NULL,
    FName       TEXT COLLATE NOCASE NOT NULL,
    FAcctID     INTEGER,
    FNote       TEXT COLLATE NOCASE,
    FSystemic   BIT NOT NULL DEFAULT 0
);
CREATE UNIQUE INDEX ux_ICBillType_Number ON ICBillType (FNumber);
CREATE UNIQUE INDEX ux_ICBillType_Name ON ICBillType (FName);

-- Voucher groups (voucher words), numbered in display order.
CREATE TABLE t_VoucherGroup (
    FGroupID    INTEGER PRIMARY KEY,
    FName       TEXT COLLATE NOCASE NOT NULL UNIQUE,
    FBrNo       TEXT COLLATE NOCASE NOT NULL DEFAULT '0'
);

-- Next free number per table, handed out by the connection.
CREATE TABLE ICMaxNum (
    FTableName  TEXT COLLATE NOCASE PRIMARY KEY,
    FMaxNum     INTEGER NOT NULL DEFAULT 0
);

---------------------------------------------------------------------------------------
-- Bill numbering rules (kept by the rule component)
---------------------------------------------------------------------------------------

-- Item kinds a rule level can take (fixed text, date, serial number).
CREATE TABLE t_BillCodeProject (
    FProjectID  INTEGER PRIMARY KEY,
    FName       TEXT COLLATE NOCASE NOT NULL,
    FName_CHT   TEXT COLLATE NOCASE,
    FName_EN    TEXT COLLATE NOCASE
);

-- Format options per item kind (date formats, base-data formats).
CREATE TABLE t_BillCodeOption (
    FProjectID  INTEGER NOT NULL,
    FID         INTEGER NOT NULL,
    FOption     TEXT COLLATE NOCASE NOT NULL,
    PRIMARY KEY (FProjectID, FID)
);

-- Base-data items and bill fields a bill's number may be built from.
CREATE TABLE t_BillCheckItem (
    FID         INTEGER NOT NULL,                  -- bill id
    FIndex      INTEGER NOT NULL,                  -- order within the bill
    FBillTypeID INTEGER NOT NULL DEFAULT 0,
    FItemID     INTEGER NOT NULL DEFAULT 0,        -- base-data class; 0 for a plain bill field
    FName       TEXT COLLATE NOCASE NOT NULL,
    FTable      TEXT COLLATE NOCASE,
    FField      TEXT COLLATE NOCASE NOT NULL,
    PRIMARY KEY (FID, FIndex)
);

-- Levels of each bill's numbering rule.
CREATE TABLE t_BillCodeRule (
    FBillID     INTEGER NOT NULL,
    FClassIndex INTEGER NOT NULL,                  -- level, from 1
    FProjectID  INTEGER NOT NULL,                  -- 1 text, 2 date, 3 serial, 9/10 item, 100 field
    FFormatIndex INTEGER NOT NULL DEFAULT 0,
    FLength     INTEGER NOT NULL DEFAULT 0,
    FAddChar    TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    FReChar     TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    FProjectVal TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    FIsBy       SMALLINT NOT NULL DEFAULT 0,       -- 1: serial number basis
    PRIMARY KEY (FBillID, FClassIndex)
);

---------------------------------------------------------------------------------------
-- Bill screen metadata
---------------------------------------------------------------------------------------

-- Bill classes with their control bits; any update stamps FVersion and FModifyTime.
CREATE TABLE ICClassType (
    FID         INTEGER PRIMARY KEY,               -- negative: -bill id of a classic bill
    FName       TEXT COLLATE NOCASE NOT NULL,
    FName_CHT   TEXT COLLATE NOCASE,
    FName_EN    TEXT COLLATE NOCASE,
    FBillTypeID INTEGER NOT NULL DEFAULT 0,
    FControl    INTEGER NOT NULL DEFAULT 0,        -- 32 listed in bill settings, 0x1000 no auto check, 0x2000 no serial basis
    FVersion    INTEGER NOT NULL DEFAULT 0,
    FModifyTime DATETIME
);
CREATE INDEX ix_ICClassType_BillType ON ICClassType (FBillTypeID);

-- "UPDATE ICClassType SET FID=FID" marks a class as changed so that bill screens reload it.
CREATE TRIGGER tr_ICClassType_MarkChanged AFTER UPDATE OF FID ON ICClassType
BEGIN
    UPDATE ICClassType
       SET FVersion = FVersion + 1,
           FModifyTime = strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime')
     WHERE rowid = NEW.rowid;
END;

-- Fields of each bill class: caption, page, control kind, visibility and lock masks.
CREATE TABLE ICClassTableInfo (
    FInterID    INTEGER PRIMARY KEY,
    FClassTypeID INTEGER NOT NULL,
    FPage       SMALLINT NOT NULL DEFAULT 1,       -- 1 head, 2 entry
    FKey        TEXT COLLATE NOCASE NOT NULL,
    FFieldName  TEXT COLLATE NOCASE NOT NULL,
    FCaption    TEXT COLLATE NOCASE,
    FCaption_CHS TEXT COLLATE NOCASE,
    FCaption_CHT TEXT COLLATE NOCASE,
    FCaption_EN TEXT COLLATE NOCASE,
    FSourceType INTEGER NOT NULL DEFAULT 0,
    FCtlType    INTEGER NOT NULL DEFAULT 1,
    FKeyWord    TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    FTabIndex   INTEGER NOT NULL DEFAULT 0,
    FVisible    INTEGER NOT NULL DEFAULT 1023,
    FLock       INTEGER NOT NULL DEFAULT 0,
    FUnControl  INTEGER NOT NULL DEFAULT 0
);
CREATE UNIQUE INDEX ux_ICClassTableInfo_Key ON ICClassTableInfo (FClassTypeID, FPage, FKey);
CREATE INDEX ix_ICClassTableInfo_Lookup ON ICClassTableInfo (FClassTypeID, FKey);

-- Field visibility of a bill class per screen layout.
CREATE TABLE ICClassTableInfoLayout (
    FClassTypeID INTEGER NOT NULL,
    FLayoutID   INTEGER NOT NULL,
    FKey        TEXT COLLATE NOCASE NOT NULL,
    FVisible    INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (FClassTypeID, FLayoutID, FKey)
);

-- Field visibility of a bill class's entry editors per layout.
CREATE TABLE ICClassEntryEditorLayout (
    FClassTypeID INTEGER NOT NULL,
    FLayoutID   INTEGER NOT NULL,
    FEditorKey  TEXT COLLATE NOCASE NOT NULL,
    FKey        TEXT COLLATE NOCASE NOT NULL,
    FVisible    INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (FClassTypeID, FLayoutID, FEditorKey, FKey)
);

-- Users' saved screen layouts of bill classes.
CREATE TABLE ICClassUserProfile (
    FUserID     INTEGER NOT NULL,
    FSection    TEXT COLLATE NOCASE NOT NULL,
    FKey        TEXT COLLATE NOCASE NOT NULL,
    FValue      TEXT COLLATE NOCASE,
    PRIMARY KEY (FUserID, FSection, FKey)
);
CREATE INDEX ix_ICClassUserProfile_Section ON ICClassUserProfile (FSection);

-- List reports of bill classes.
CREATE TABLE ICClassSQLReport (
    FReportID   INTEGER PRIMARY KEY,
    FListTplID  INTEGER NOT NULL,
    FName       TEXT COLLATE NOCASE NOT NULL
);
CREATE INDEX ix_ICClassSQLReport_Tpl ON ICClassSQLReport (FListTplID);

-- Columns of the list reports with their visibility.
CREATE TABLE ICClassSQLReportDesc (
    FReportID   INTEGER NOT NULL,
    FColName    TEXT COLLATE NOCASE NOT NULL,
    FCaption    TEXT COLLATE NOCASE,
    FVisible    BIT NOT NULL DEFAULT 1,
    PRIMARY KEY (FReportID, FColName)
);

-- Head fields of the classic bill templates.
CREATE TABLE ICTemplate (
    FID         TEXT COLLATE NOCASE NOT NULL,      -- template code
    FFieldName  TEXT COLLATE NOCASE NOT NULL,
    FCaption    TEXT COLLATE NOCASE,
    FCtlType    INTEGER NOT NULL DEFAULT 1,
    FLookUpCls  INTEGER NOT NULL DEFAULT 0,
    FVisForBillType INTEGER NOT NULL DEFAULT 31,
    FEnable     INTEGER NOT NULL DEFAULT 48,
    FMustInput  INTEGER NOT NULL DEFAULT 0,
    FNeedSave   INTEGER NOT NULL DEFAULT 1,
    FFilter     TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    PRIMARY KEY (FID, FFieldName)
);
CREATE INDEX ix_ICTemplate_CtlType ON ICTemplate (FCtlType);
CREATE INDEX ix_ICTemplate_LookUpCls ON ICTemplate (FLookUpCls);
CREATE INDEX ix_ICTemplate_Field ON ICTemplate (FFieldName);

-- Entry (line) fields of the classic bill templates.
CREATE TABLE ICTemplateEntry (
    FID         TEXT COLLATE NOCASE NOT NULL,
    FFieldName  TEXT COLLATE NOCASE NOT NULL,
    FCaption    TEXT COLLATE NOCASE,
    FCtlType    INTEGER NOT NULL DEFAULT 1,
    FLookUpCls  INTEGER NOT NULL DEFAULT 0,
    FVisForBillType INTEGER NOT NULL DEFAULT 31,
    FEnable     INTEGER NOT NULL DEFAULT 48,
    FNeedCount  INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (FID, FFieldName)
);
CREATE INDEX ix_ICTemplateEntry_CtlType ON ICTemplateEntry (FCtlType);

-- Column titles of the bill lists, with visibility per list use.
CREATE TABLE ICChatBillTitle (
    FTypeID     INTEGER NOT NULL,
    FInterID    INTEGER NOT NULL,
    FColName    TEXT COLLATE NOCASE NOT NULL,
    FColCaption TEXT COLLATE NOCASE,
    FVisible    BIT NOT NULL DEFAULT 1,
    FVisForQuest BIT NOT NULL DEFAULT 1,
    FVisForOrder BIT NOT NULL DEFAULT 1,
    FMode       INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (FTypeID, FInterID)
);
CREATE INDEX ix_ICChatBillTitle_Col ON ICChatBillTitle (FColName);

-- Fields a bill fills from a selected source bill or base-data lookup.
CREATE TABLE ICSelBills (
    FInterID    INTEGER PRIMARY KEY,
    FID         TEXT COLLATE NOCASE NOT NULL,      -- template code
    FFieldName  TEXT COLLATE NOCASE NOT NULL,
    FDstCtlField TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    FName       TEXT COLLATE NOCASE NOT NULL,      -- source column
    FTableName  TEXT COLLATE NOCASE NOT NULL,
    FTableAlias TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    FAction     TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
CREATE INDEX ix_ICSelBills_Field ON ICSelBills (FID, FFieldName);
CREATE INDEX ix_ICSelBills_Name ON ICSelBills (FName, FTableName);

-- Conditions under which a source bill class may be pushed to a target class.
CREATE TABLE ICClassLink (
    FID         INTEGER PRIMARY KEY,
    FSourClassTypeID INTEGER NOT NULL,
    FDestClassTypeID INTEGER NOT NULL,
    FIsUsed     INTEGER NOT NULL DEFAULT 1,
    FCondition  TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
CREATE INDEX ix_ICClassLink_Classes ON ICClassLink (FSourClassTypeID, FDestClassTypeID);

---------------------------------------------------------------------------------------
-- Supplier evaluation
---------------------------------------------------------------------------------------

-- Supplier evaluation schemes with their total and pass marks.
CREATE TABLE QMEvaProj (
    FID         INTEGER PRIMARY KEY,
    FProjID     INTEGER NOT NULL UNIQUE,
    FNumber     TEXT COLLATE NOCASE NOT NULL,
    FName       TEXT COLLATE NOCASE NOT NULL,
    FTotalMark  REAL NOT NULL DEFAULT 100,
    FPassMark   REAL NOT NULL DEFAULT 60,
    FCheckerID  INTEGER NOT NULL DEFAULT 0         -- 0: not yet approved
);

-- Criteria of an evaluation scheme, each a percentage of the total mark.
CREATE TABLE QMEvaProjEntry (
    FID         INTEGER NOT NULL,
    FEntryID    INTEGER NOT NULL,
    FName       TEXT COLLATE NOCASE NOT NULL,
    FPercent    REAL NOT NULL DEFAULT 0,
    FProjS      REAL NOT NULL DEFAULT 0,           -- marks of the criterion
    PRIMARY KEY (FID, FEntryID)
);

-- Evaluations of suppliers made with a scheme.
CREATE TABLE QMsupplyEva (
    FID         INTEGER PRIMARY KEY,
    FBillNo     TEXT COLLATE NOCASE NOT NULL,
    FProjID     INTEGER NOT NULL,
    FSupplierName TEXT COLLATE NOCASE,
    FDate       DATETIME,
    FTotalMark  REAL NOT NULL DEFAULT 100,
    FPassMark   REAL NOT NULL DEFAULT 60,
    FCheckerID  INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX ix_QMsupplyEva_Proj ON QMsupplyEva (FProjID);

-- Criteria lines of a supplier evaluation.
CREATE TABLE QMsupplyEvaEntry (
    FID         INTEGER NOT NULL,
    FEntryID    INTEGER NOT NULL,
    FName       TEXT COLLATE NOCASE NOT NULL,
    FPercent    REAL NOT NULL DEFAULT 0,
    FProjS      REAL NOT NULL DEFAULT 0,
    FScore      REAL NOT NULL DEFAULT 0,
    PRIMARY KEY (FID, FEntryID)
);

---------------------------------------------------------------------------------------
-- Stock bills and forecast plans
---------------------------------------------------------------------------------------

-- In/out-stock bills: status, source production task, voucher.
CREATE TABLE ICStockBill (
    FInterID    INTEGER PRIMARY KEY,
    FBrNo       TEXT COLLATE NOCASE NOT NULL DEFAULT '0',
    FBillNo     TEXT COLLATE NOCASE NOT NULL UNIQUE,
    FTranType   INTEGER NOT NULL,                  -- bill id of the stock bill kind
    FBillTypeID INTEGER,                           -- bill type (ICBillType)
    FDate       DATETIME NOT NULL,
    FStatus     SMALLINT NOT NULL DEFAULT 0,       -- 0 not approved, 1 approved
    FCheckerID  INTEGER NOT NULL DEFAULT 0,
    FCheckDate  DATETIME,
    FSCBillInterID INTEGER NOT NULL DEFAULT 0,     -- production task the bill belongs to
    FVchInterID INTEGER NOT NULL DEFAULT 0,        -- voucher; 0 when none was made
    FBillerID   INTEGER NOT NULL DEFAULT 0,
    FAmount     REAL NOT NULL DEFAULT 0,
    FNote       TEXT COLLATE NOCASE
);
CREATE INDEX ix_ICStockBill_Date ON ICStockBill (FDate);
CREATE INDEX ix_ICStockBill_TranType ON ICStockBill (FTranType, FStatus);
CREATE INDEX ix_ICStockBill_BillType ON ICStockBill (FBillTypeID);

-- Copy of a period's stock bills saved when the bills are closed.
CREATE TABLE ICBillPosData (
    FInterID    INTEGER NOT NULL,
    FSaveTime   DATETIME NOT NULL,
    FBillNo     TEXT COLLATE NOCASE NOT NULL,
    FTranType   INTEGER NOT NULL,
    FDate       DATETIME NOT NULL,
    FStatus     SMALLINT NOT NULL DEFAULT 0,
    FVchInterID INTEGER NOT NULL DEFAULT 0,
    FAmount     REAL NOT NULL DEFAULT 0,
    PRIMARY KEY (FInterID, FSaveTime)
);

-- Forecast plans of the master production schedule.
CREATE TABLE PLMPSPlan (
    FInterID    INTEGER PRIMARY KEY,
    FBillNo     TEXT COLLATE NOCASE NOT NULL UNIQUE,
    FName       TEXT COLLATE NOCASE NOT NULL,
    FStartDate  DATETIME NOT NULL,
    FDaysPerTimeZone INTEGER NOT NULL,
    FTimeZoneCount INTEGER NOT NULL,
    FStatus     SMALLINT NOT NULL DEFAULT 0,
    FBillerID   INTEGER NOT NULL DEFAULT 0,
    FNote       TEXT COLLATE NOCASE
);

-- Forecast quantities of a plan per item and time zone.
CREATE TABLE PLMPS (
    FInterID    INTEGER PRIMARY KEY,
    FPlanInterID INTEGER NOT NULL,
    FItemNumber TEXT COLLATE NOCASE NOT NULL,
    FItemName   TEXT COLLATE NOCASE,
    FTimeZone   INTEGER NOT NULL,
    FStartDate  DATETIME NOT NULL,
    FEndDate    DATETIME NOT NULL,
    FQty        REAL NOT NULL DEFAULT 0
);
CREATE INDEX ix_PLMPS_Plan ON PLMPS (FPlanInterID, FTimeZone);

-- Demands derived from the forecast plans.
CREATE TABLE PLMPSReq (
    FInterID    INTEGER PRIMARY KEY,
    FPlanInterID INTEGER NOT NULL,
    FItemNumber TEXT COLLATE NOCASE NOT NULL,
    FDate       DATETIME NOT NULL,
    FQty        REAL NOT NULL DEFAULT 0,
    FUnfilledQty REAL NOT NULL DEFAULT 0
);
CREATE INDEX ix_PLMPSReq_Plan ON PLMPSReq (FPlanInterID, FDate);

---------------------------------------------------------------------------------------
-- Users, rights and per-user settings
---------------------------------------------------------------------------------------

-- Users of the account.
CREATE TABLE t_User (
    FUserID     INTEGER PRIMARY KEY,
    FName       TEXT COLLATE NOCASE NOT NULL UNIQUE,
    FDescription TEXT COLLATE NOCASE,
    FForbidden  BIT NOT NULL DEFAULT 0
);

-- Rights held: a user holds (object, right, mask) when a row has every bit of mask in FMask (-1 holds all).
CREATE TABLE t_UserRight (
    FUserID     INTEGER NOT NULL,
    FObjectID   INTEGER NOT NULL,
    FRightID    INTEGER NOT NULL,
    FMask       INTEGER NOT NULL DEFAULT -1,
    PRIMARY KEY (FUserID, FObjectID, FRightID)
);

-- Per-user setting store: value by section and key.
CREATE TABLE t_UserSetting (
    FUserID     INTEGER NOT NULL,
    FSection    TEXT COLLATE NOCASE NOT NULL,
    FKey        TEXT COLLATE NOCASE NOT NULL,
    FValue      TEXT COLLATE NOCASE,
    PRIMARY KEY (FUserID, FSection, FKey)
);

---------------------------------------------------------------------------------------
-- Bill code rules: the bill type a bill's numbering rule was saved for
---------------------------------------------------------------------------------------

ALTER TABLE ICBillNo ADD COLUMN FBillTypeID INTEGER NOT NULL DEFAULT 0;

---------------------------------------------------------------------------------------
-- Calculation parameters of inventory accounting (FKind 0) and cost calculation (FKind 1)
---------------------------------------------------------------------------------------

-- One parameter a row, shown in FIndex order. FType: 0 check (FValue '1' or '0'),
-- 1 whole number, 2 decimal (both within FMin..FMax, NULL for no limit), 3 text (FMax: its
-- longest length in bytes), 4 list (FValue: the index of the chosen item of FList, items
-- separated by '|'; FList_CHT and FList_EN give the same items in the other languages).
CREATE TABLE t_CalParameter (
    FKind       SMALLINT NOT NULL CHECK (FKind IN (0, 1)),
    FKey        TEXT COLLATE NOCASE NOT NULL,
    FValue      TEXT COLLATE NOCASE,
    FIndex      INTEGER NOT NULL DEFAULT 0,
    FCaption    TEXT COLLATE NOCASE NOT NULL,
    FCaption_CHT TEXT COLLATE NOCASE,
    FCaption_EN TEXT COLLATE NOCASE,
    FType       SMALLINT NOT NULL DEFAULT 0 CHECK (FType BETWEEN 0 AND 4),
    FList       TEXT COLLATE NOCASE,
    FList_CHT   TEXT COLLATE NOCASE,
    FList_EN    TEXT COLLATE NOCASE,
    FMin        REAL,
    FMax        REAL,
    PRIMARY KEY (FKind, FKey)
);

---------------------------------------------------------------------------------------
-- BOM engineering changes and production material lists, as the option components read
-- and recompute them
---------------------------------------------------------------------------------------

-- Engineering change bills of the BOM module; while one exists, change management cannot
-- be switched off.
CREATE TABLE ICECNBill (
    FInterID    INTEGER PRIMARY KEY,
    FBillNo     TEXT COLLATE NOCASE NOT NULL UNIQUE,
    FStatus     SMALLINT NOT NULL DEFAULT 0,       -- 0 not approved, 1 approved, 2 carried out
    FDate       DATETIME
);

-- Lines of the production material lists: quantities put in, produced and scrapped, and
-- the scrap rate in percent by the option FSCRAP_FORMULA (0 scrap/input, 1 scrap/output;
-- 0 when the divisor is 0).
CREATE TABLE PPBOMEntry (
    FInterID    INTEGER NOT NULL,
    FEntryID    INTEGER NOT NULL,
    FItemNumber TEXT COLLATE NOCASE NOT NULL,
    FItemName   TEXT COLLATE NOCASE,
    FQtyInput   REAL NOT NULL DEFAULT 0,
    FQtyOutput  REAL NOT NULL DEFAULT 0,
    FQtyScrap   REAL NOT NULL DEFAULT 0,
    FScrapRate  REAL NOT NULL DEFAULT 0,
    PRIMARY KEY (FInterID, FEntryID)
);
