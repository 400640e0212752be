-- Indexes of the ledgers' own queries: the commission of an order, the
-- commissions of a period (optionally of one delivery person) and the cash
-- entries of a period. Also created on older databases, each one only when
-- missing.
CREATE INDEX IDX_CCE_DOC ON CCE (CCE_DOC);
CREATE INDEX IDX_CCE_DATA ON CCE (CCE_DATA);
CREATE INDEX IDX_CCE_CODENT_DATA ON CCE (CCE_CODENT, CCE_DATA);
CREATE INDEX IDX_CAIXA_DATA ON CAIXA (CAI_DATA);
-- Whether a stock movement belongs to an order item (the movement
-- maintenance refuses those).
CREATE INDEX IDX_IPEDIDOS_CODINT ON IPEDIDOS (IPD_CODINT);
-- The commission, cash and movement grids read their period a page at a
-- time in date and internal-code order: walking these indexes gives each
-- page without sorting the whole period.
CREATE INDEX IDX_CCE_DATA_CODINT ON CCE (CCE_DATA, CCE_CODINT);
CREATE INDEX IDX_CAIXA_DATA_CODINT ON CAIXA (CAI_DATA, CAI_CODINT);
CREATE INDEX IDX_MOV_ESTQ_DATA_CODINT ON MOV_ESTQ (MOV_DATA, MOV_CODINT);
